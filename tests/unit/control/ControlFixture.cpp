#include "ControlFixture.h"

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

void MessageRecorder::install(VendorPayTo& control) {
    control.setMessageBox([this](const std::string& text, const std::string& title, int style) {
        m_shown.push_back({text, title, style});
        if (m_answers.empty())
            return style == msgbox::yesNoQuestion ? msgbox::yes : msgbox::ok;
        const int button = m_answers.front();
        m_answers.pop_front();
        return button;
    });
}

EntryRecord& EntryRecord::set(PayToField field, std::string value) {
    fields.at(field) = std::move(value);
    return *this;
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
        .set(fActive, "-1")
        .set(fDefaultPayTo, "0")
        .set(fDefaultTerms, "3")
        .set(fExported, "0")
        .set(fAddressID, "A1")
        .set(fVendorID, "77");
    return record;
}

ContactData& ContactData::add(const EntryRecord& record) {
    m_entries.emplace_back(record.fields.begin(), record.fields.end());
    return *this;
}

ContactData& ContactData::term(std::vector<std::string> fields) {
    m_terms.push_back(std::move(fields));
    return *this;
}

ContactData& ContactData::standardLookups() {
    return term({"3", "Net 30", "30 days"}).term({"7", "COD", "on delivery"});
}

std::string ContactData::text() const {
    std::string out;
    for (const auto& record : m_entries) out += joined(record) + ";";
    out += "#";
    for (const auto& record : m_terms) out += joined(record) + ";";
    return out + "#10|1|TX|Texas;11|1|OH|Ohio;20|2|ON|Ontario;21|2|QC|Quebec;";
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
    load(data.text());
}

void ControlTest::load(const std::string& text) {
    control.LetContactAddress(text, "|", ";", "#");
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
    typeEntry(name, serial);
    ASSERT_EQ(user::press(form().cmdAdd), user::Outcome::Done);
    ASSERT_EQ(form().cmdAdd.caption(), "Add") << "the save was refused";
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
