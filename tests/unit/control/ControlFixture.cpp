#include "ControlFixture.h"

#include <algorithm>
#include <utility>

#include "view/PayToEditor.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

std::string joined(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i > 0 ? "|" : "") + fields[i];
    return out;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

}  // namespace

EntryRecord& EntryRecord::set(PayToField field, std::string value) {
    fields.at(field) = std::move(value);
    return *this;
}

EntryRecord entry(std::string id, std::string name, std::string serial) {
    EntryRecord record;
    record.fields = {std::move(id),
                     std::move(name),
                     std::move(serial),
                     "1 Main St",
                     "",
                     "Springfield",
                     "1",
                     "10",
                     "75001",
                     "",
                     "",
                     "",
                     "",
                     "",
                     "-1",
                     "0",
                     "3",
                     "0",
                     "A1",
                     "77"};
    return record;
}

std::string contactText(const std::vector<EntryRecord>& entries, const std::vector<Fields>& terms) {
    std::string out;
    for (const EntryRecord& record : entries)
        out += joined({record.fields.begin(), record.fields.end()}) + ";";
    out += "#";
    for (const Fields& record : terms) out += joined(record) + ";";
    return out + "#10|1|TX|Texas;11|1|OH|Ohio;20|2|ON|Ontario;21|2|QC|Quebec;";
}

std::vector<EntryRecord> standardEntries() {
    return {entry("123", "Acme Main", "01").set(fDefaultPayTo, "-1"),
            entry("456", "Gamma Depot", "09").set(fState, "11").set(fCity, "Austin"),
            entry("007", "Beta Branch", "20")
                .set(fCity, "Toronto")
                .set(fCountry, "2")
                .set(fState, "21")
                .set(fActive, "0")
                .set(fDefaultTerms, "7")};
}

ControlTest::ControlTest() {
    control.setMessageBox([this](const std::string& text, const std::string& title, int style) {
        messages.push_back(title + " (" + std::to_string(style) + "): " + text);
        return style == msgbox::yesNoQuestion ? msgbox::yes : msgbox::ok;
    });
    control.LetVendorIDNMode(77, true);
}

void ControlTest::clickId(const std::string& id) {
    const std::vector<std::string> ids = listIds();
    const auto at = std::find(ids.begin(), ids.end(), id);
    ASSERT_NE(at, ids.end()) << "no list entry " << id;
    const auto position = static_cast<std::size_t>(at - ids.begin());
    ASSERT_EQ(user::clickEntry(list(), position), user::Outcome::Done) << id;
}

std::vector<std::string> ControlTest::listIds() {
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < list().itemCount(); ++i) ids.emplace_back(list().itemText(i));
    return ids;
}

void ControlTest::typeEntry(const std::string& name, const std::string& serial) {
    EditorForm& f = form();
    ASSERT_EQ(user::type(f.txtContact(0), name), user::Outcome::Done);
    ASSERT_EQ(user::type(f.txtContact(1), "9 Elm St"), user::Outcome::Done);
    ASSERT_EQ(user::type(f.txtContact(3), "Montreal"), user::Outcome::Done);
    ASSERT_EQ(user::pick(f.cboContactCountry, 2), user::Outcome::Done);
    ASSERT_EQ(user::pick(f.cboContactState, 1), user::Outcome::Done);
    ASSERT_EQ(user::pick(f.cboContactType, 1), user::Outcome::Done);
    if (!serial.empty()) {
        ASSERT_EQ(user::type(f.txtContact(8), serial), user::Outcome::Done);
    }
}

void ControlTest::addEntry(const std::string& name, const std::string& serial) {
    ASSERT_EQ(user::press(form().cmdAdd), user::Outcome::Done);
    typeEntry(name, serial);
    ASSERT_EQ(user::press(form().cmdAdd), user::Outcome::Done);
    ASSERT_EQ(form().cmdAdd.caption(), "Add") << "the save was refused";
}

void ControlTest::perform(const std::vector<std::string>& steps) {
    EditorForm& f = form();
    for (const std::string& step : steps) {
        user::Outcome done = user::Outcome::Done;
        if (step == "add" || step == "save" || step == "update")
            done = user::press(f.cmdAdd);
        else if (step == "edit" || step == "cancel")
            done = user::press(f.cmdEdit);
        else if (step == "primary")
            done = user::click(f.ChkDefault);
        else if (step == "type")
            done = user::type(box(0), "Typed");
        else if (step == "entry")
            typeEntry("New", "30");
        else if (step == "reload")
            load(standardData());
        else if (step == "reloadNoPrimary")
            load(contactText({entry("1", "None", "01")}));
        else
            clickId(step);
        ASSERT_EQ(done, user::Outcome::Done) << step;
    }
}

std::vector<std::vector<std::string>> ControlTest::exported() {
    std::vector<std::string> records = split(control.GetContactAddress(), ';');
    EXPECT_EQ(records.back(), "") << "every record ends with the record separator";
    records.pop_back();
    std::vector<std::vector<std::string>> out;
    for (const std::string& record : records) out.push_back(split(record, '|'));
    return out;
}

}  // namespace xkr::test
