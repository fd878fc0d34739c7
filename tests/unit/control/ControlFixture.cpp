#include "ControlFixture.h"

#include <utility>

#include "view/PayToEditor.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

std::string joinFields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += fieldSep;
        out += fields[i];
    }
    return out;
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace

void MessageRecorder::install(VendorPayTo& control) {
    control.setMessageBox([this](const std::string& text, const std::string& title, int style) {
        return answer(text, title, style);
    });
}

std::vector<std::string> MessageRecorder::texts() const {
    std::vector<std::string> out;
    for (const ShownMessage& message : m_shown) out.push_back(message.text);
    return out;
}

int MessageRecorder::answer(const std::string& text, const std::string& title, int style) {
    m_shown.push_back({text, title, style});
    if (!m_answers.empty()) {
        const int button = m_answers.front();
        m_answers.pop_front();
        return button;
    }
    return style == msgbox::yesNoQuestion ? msgbox::yes : msgbox::ok;
}

EntryRecord& EntryRecord::set(PayToField field, std::string value) {
    if (field == fIsUpdated) {
        isUpdated = std::move(value);
        withIsUpdated = true;
    } else {
        fields.at(field) = std::move(value);
    }
    return *this;
}

std::string EntryRecord::text() const {
    std::vector<std::string> all(fields.begin(), fields.end());
    if (withIsUpdated)
        all.push_back(isUpdated);
    return joinFields(all);
}

EntryRecord entry(std::string id, std::string name, std::string serial) {
    EntryRecord record;
    record.set(fVendorPayToID, std::move(id))
        .set(fPayToName, std::move(name))
        .set(fPayToSerial, std::move(serial))
        .set(fStreet1, "1 Main St")
        .set(fCity, "Springfield")
        .set(fCountry, "1")
        .set(fState, "10")
        .set(fPostalCode, "75001")
        .set(fPhone, "555-0100")
        .set(fActive, "-1")
        .set(fDefaultPayTo, "0")
        .set(fDefaultTerms, "3")
        .set(fExported, "0")
        .set(fAddressID, "A1")
        .set(fVendorID, "77");
    return record;
}

ContactData& ContactData::add(EntryRecord record) {
    m_entries.push_back(record.text());
    return *this;
}

ContactData& ContactData::addRaw(std::string record) {
    m_entries.push_back(std::move(record));
    return *this;
}

ContactData& ContactData::term(std::vector<std::string> fields) {
    m_terms.push_back(std::move(fields));
    return *this;
}

ContactData& ContactData::state(std::vector<std::string> fields) {
    m_states.push_back(std::move(fields));
    return *this;
}

ContactData& ContactData::standardLookups() {
    return term({"3", "Net 30", "30 days"})
        .term({"7", "COD", "on delivery"})
        .state({"10", "1", "TX", "Texas"})
        .state({"11", "1", "OH", "Ohio"})
        .state({"20", "2", "ON", "Ontario"})
        .state({"21", "2", "QC", "Quebec"});
}

std::string ContactData::text() const {
    std::string out;
    for (const std::string& record : m_entries) out += record + recordSep;
    out += tableSep;
    for (const auto& record : m_terms) out += joinFields(record) + recordSep;
    out += tableSep;
    for (const auto& record : m_states) out += joinFields(record) + recordSep;
    return out;
}

ContactData standardData() {
    ContactData data;
    data.add(entry("123", "Acme Main", "01").set(fDefaultPayTo, "-1"))
        .add(entry("456", "Gamma Depot", "09").set(fState, "11").set(fCity, "Austin"))
        .add(entry("007", "Beta Branch", "20")
                 .set(fCity, "Toronto")
                 .set(fCountry, "2")
                 .set(fState, "21")
                 .set(fActive, "0")
                 .set(fDefaultTerms, "7"));
    return data.standardLookups();
}

ControlTest::ControlTest() {
    messages.install(control);
    control.LetVendorIDNMode(77, true);
}

void ControlTest::load(const ContactData& data) {
    control.LetContactAddress(data.text(), fieldSep, recordSep, tableSep);
}

std::size_t ControlTest::positionOf(const std::string& id) {
    for (std::size_t i = 0; i < list().itemCount(); ++i) {
        if (list().itemText(i) == id)
            return i;
    }
    ADD_FAILURE() << "no list entry " << id;
    return 0;
}

void ControlTest::clickId(const std::string& id) {
    ASSERT_EQ(user::clickEntry(list(), positionOf(id)), user::Outcome::Done) << id;
}

std::string ControlTest::column(const std::string& id, std::size_t k) {
    return std::string(list().column(positionOf(id), k));
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
    ASSERT_EQ(form().cmdAdd.caption(), "Save");
    typeEntry(name, serial);
    ASSERT_EQ(user::press(form().cmdAdd), user::Outcome::Done);
    ASSERT_EQ(form().cmdAdd.caption(), "Add") << "the save was refused";
}

std::vector<std::vector<std::string>> ControlTest::exported() {
    const std::string text = control.GetContactAddress();
    std::vector<std::vector<std::string>> records;
    if (text.empty())
        return records;
    std::vector<std::string> pieces = split(text, recordSep);
    EXPECT_EQ(pieces.back(), "") << "the export must end with the record separator";
    pieces.pop_back();
    for (const std::string& record : pieces) records.push_back(split(record, fieldSep));
    return records;
}

}  // namespace xkr::test
