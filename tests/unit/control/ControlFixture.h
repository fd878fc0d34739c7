#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control/VendorPayTo.h"
#include "table/PayToFields.h"

namespace xkr::test {

inline constexpr const char* fieldSep = "|";
inline constexpr const char* recordSep = ";";
inline constexpr const char* tableSep = "#";

// Names a parameterised case after the `name` member of its row.
struct RowName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& row) const {
        return row.param.name;
    }
};

struct ShownMessage {
    std::string text;
    std::string title;
    int style;
};

// Stands in for the modal message box: records every box and answers from a queue, with the
// box's default button (Yes or OK) once the queue is empty.
class MessageRecorder {
public:
    void install(VendorPayTo& control);
    void answerNext(int button) { m_answers.push_back(button); }
    const std::vector<ShownMessage>& shown() const { return m_shown; }
    std::vector<std::string> texts() const;
    void clear() { m_shown.clear(); }

private:
    int answer(const std::string& text, const std::string& title, int style);

    std::vector<ShownMessage> m_shown;
    std::deque<int> m_answers;
};

// One pay-to record of the host's text: the 20 exported fields, optionally the change marker.
struct EntryRecord {
    std::array<std::string, exportedFieldCount> fields;
    std::string isUpdated;
    bool withIsUpdated = false;

    EntryRecord& set(PayToField field, std::string value);
    std::string text() const;
};

// A complete entry in USA/Texas with the first vendor term, active and not primary.
EntryRecord entry(std::string id, std::string name, std::string serial);

// Builds a contact data text from pay-to records, term records and state records.
class ContactData {
public:
    ContactData& add(EntryRecord record);
    ContactData& addRaw(std::string record);  // a record text taken as it stands
    ContactData& term(std::vector<std::string> fields);
    ContactData& state(std::vector<std::string> fields);
    // Two terms (codes 3 and 7) and four states: Texas 10, Ohio 11 in the USA, Ontario 20,
    // Quebec 21 in Canada; none for "Others".
    ContactData& standardLookups();
    std::string text() const;

private:
    std::vector<std::string> m_entries;
    std::vector<std::vector<std::string>> m_terms;
    std::vector<std::vector<std::string>> m_states;
};

// Three loaded entries: "123" primary, serial 01, Springfield; "456" serial 09, Austin, Ohio;
// "007" serial 20, Toronto, Canada/Quebec, inactive, term 7.
ContactData standardData();

// A control with a recorded message box, mode flag True and vendor 77, not yet loaded.
class ControlTest : public ::testing::Test {
protected:
    ControlTest();

    EditorForm& form() { return control.form(); }
    ListView& list() { return control.form().lstContacts; }
    TextBox& box(int index) { return control.form().txtContact(index); }

    void load(const ContactData& data);
    // The list position of the entry with that id; fails the test when there is none.
    std::size_t positionOf(const std::string& id);
    void clickId(const std::string& id);
    std::string column(const std::string& id, std::size_t k);
    std::vector<std::string> listIds();
    // Types a complete new entry (Canada/Quebec, term 7) with the serial typed last, so the
    // focus is still in the serial box; an empty serial leaves the serial box alone.
    void typeEntry(const std::string& name, const std::string& serial);
    // Press Add, type a complete entry and press Save.
    void addEntry(const std::string& name, const std::string& serial);
    // Exported records, split at the record separator, each split at the field separator.
    std::vector<std::vector<std::string>> exported();

    VendorPayTo control;
    MessageRecorder messages;
};

}  // namespace xkr::test
