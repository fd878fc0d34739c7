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
    void clear() { m_shown.clear(); }

private:
    std::vector<ShownMessage> m_shown;
    std::deque<int> m_answers;
};

// One pay-to record of the host's text: the 20 exported fields.
struct EntryRecord {
    std::array<std::string, exportedFieldCount> fields;
    EntryRecord& set(PayToField field, std::string value);
};

// A complete entry in USA/Texas with the first vendor term, active and not primary.
EntryRecord entry(std::string id, std::string name, std::string serial);

// Builds a contact data text (separators | ; #) from pay-to, term and state records.
class ContactData {
public:
    ContactData& add(const EntryRecord& record);
    ContactData& term(std::vector<std::string> fields);
    // Terms 3 and 7; states Texas 10, Ohio 11 (USA), Ontario 20, Quebec 21 (Canada).
    ContactData& standardLookups();
    std::string text() const;

private:
    std::vector<std::vector<std::string>> m_entries;
    std::vector<std::vector<std::string>> m_terms;
};

// "123" primary, serial 01, Springfield; "456" serial 09, Austin, Ohio; "007" serial 20,
// Toronto, Canada/Quebec, inactive, term 7.
ContactData standardData();

// A control with a recorded message box, vendor 77 and the mode flag True, not yet loaded.
class ControlTest : public ::testing::Test {
protected:
    ControlTest();

    EditorForm& form() { return control.form(); }
    ListView& list() { return control.form().lstContacts; }
    TextBox& box(int index) { return control.form().txtContact(index); }

    void load(const ContactData& data);
    void load(const std::string& text);
    std::size_t positionOf(const std::string& id);  // fails the test when there is none
    void clickId(const std::string& id);
    std::string column(const std::string& id, std::size_t k);
    std::vector<std::string> listIds();
    // Types a complete entry (Canada/Quebec, term 7) with the serial last, so the serial box
    // keeps the focus; an empty serial leaves that box alone.
    void typeEntry(const std::string& name, const std::string& serial);
    void addEntry(const std::string& name, const std::string& serial);  // Add, type, Save
    // The exported records, each split into its fields.
    std::vector<std::vector<std::string>> exported();

    VendorPayTo control;
    MessageRecorder messages;
};

}  // namespace xkr::test
