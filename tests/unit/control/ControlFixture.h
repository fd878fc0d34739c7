#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RowName.h"
#include "control/VendorPayTo.h"
#include "table/PayToFields.h"

namespace xkr::test {

// One pay-to record of the host's text: the 20 exported fields.
struct EntryRecord {
    std::array<std::string, exportedFieldCount> fields;
    EntryRecord& set(PayToField field, std::string value);
};

// A complete entry in USA/Texas with term 3, active and not primary.
EntryRecord entry(std::string id, std::string name, std::string serial);

using Fields = std::vector<std::string>;

// A contact data text (separators | ; #), by default with terms 3 and 7, and always with four
// states: Texas 10 and Ohio 11 in the USA, Ontario 20 and Quebec 21 in Canada.
std::string contactText(const std::vector<EntryRecord>& entries,
                        const std::vector<Fields>& terms = {{"3", "Net 30", "30 days"},
                                                            {"7", "COD", "on delivery"}});

// "123" primary, serial 01, Springfield; "456" serial 09, Austin, Ohio; "007" serial 20,
// Toronto, Canada/Quebec, inactive, term 7.
std::vector<EntryRecord> standardEntries();
inline std::string standardData() {
    return contactText(standardEntries());
}

// A control for vendor 77 with the mode flag True, not yet loaded; message boxes are recorded
// and answered with their default button.
class ControlTest : public ::testing::Test {
protected:
    ControlTest();

    EditorForm& form() { return control.form(); }
    ListView& list() { return control.form().lstContacts; }
    TextBox& box(int index) { return control.form().txtContact(index); }

    void load(const std::string& text) { control.LetContactAddress(text, "|", ";", "#"); }
    void clickId(const std::string& id);
    std::vector<std::string> listIds();
    // Types a complete entry (Canada/Quebec, term 7) with the serial last, so the serial box
    // keeps the focus; an empty serial leaves that box alone.
    void typeEntry(const std::string& name, const std::string& serial);
    void addEntry(const std::string& name, const std::string& serial);  // Add, type, Save
    // User steps by word: add, save, update (cmdAdd); edit, cancel (cmdEdit); type (a name);
    // entry (typeEntry); primary (ChkDefault); reload, reloadNoPrimary; else an id to click.
    void perform(const std::vector<std::string>& steps);
    std::vector<std::vector<std::string>> exported();  // each record split into its fields

    VendorPayTo control;
    std::vector<std::string> messages;  // "TITLE (STYLE): TEXT"
};

}  // namespace xkr::test
