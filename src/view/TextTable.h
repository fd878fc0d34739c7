#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Every text a person can see in the control, in English, in one table: the core shows these
// texts and builds its messages from them, the skins translate them (a catalogue's source text is
// a row's English, or its keyed form), and the translation test walks the table whole. Texts the
// host loads (names, states, terms, entries) are data and never come from here.
namespace xkr::texts {

enum class Use : char {
    Caption,  // a label's or a command button's caption
    Header,   // a column header of the list
    Country,  // an item of the control's own country list
    Title,    // a message box's title
    Message,  // a message box's text, or a piece of one
    Skin,     // shown by the skins only: accessible names, message box buttons
};

// Keep the same order as the table below.
enum class Id : std::size_t {
    add,
    save,
    update,
    edit,
    cancel,
    remove,
    version,
    lblName,
    lblStreet1,
    lblStreet2,
    lblCity,
    lblCountry,
    lblState,
    lblPostalCode,
    lblPhone,
    lblPhone2,
    lblFAX,
    lblCell,
    lblEmail,
    lblVendorTerm,
    lblPrimaryPayTo,
    lblActive,
    lblSerial,
    colId,
    colName,
    colSerial,
    colStreet1,
    colStreet2,
    colCity,
    colCountry,
    colState,
    colPostalCode,
    colPhone,
    colFAX,
    colEmail,
    colActive,
    colPhone2,
    colCell,
    colDefaultPayTo,
    colDefaultTerms,
    colExported,
    colAddressId,
    others,
    usa,
    canada,
    informationRequired,
    informationValidation,
    nameMissing,
    street1Missing,
    cityMissing,
    countryMissing,
    stateMissing,
    termMissing,
    serialMissing,
    nameTooLong,
    separatorInField,
    termNotStorable,
    serialExists,
    noPrimary,
    serialNotNumber,
    serialOutOfRange,
    deleteQuestion,
    postalNotUs,
    postalNotCanadian,
    postalNotOfState,
    versionNumber,
    quoted,
    space,
    tab,
    lineBreak,
    controlCharacter,
    followedBy,
    controlName,
    frameName,
    panelName,
    listName,
    listColumns,
    required,
    yes,
    no,
    ok,
    count
};

struct Text {
    Id id;
    Use use;
    // What the core shows; %1, %2 ... where it puts a part.
    std::string_view english;
    // Captions: the English with '&' before the access key, which only the skins show (the core
    // compares captions such as "Save" as they are).
    std::string_view keyed = {};
    // One letter a part: 'd' data, shown as it is; 't' a text of this table, shown translated.
    std::string_view parts = {};
};

// clang-format off
inline constexpr std::array<Text, static_cast<std::size_t>(Id::count)> table{{
    // The command buttons keep their access key through the modes.
    {Id::add, Use::Caption, "Add", "&Add"},
    {Id::save, Use::Caption, "Save", "S&ave"},
    {Id::update, Use::Caption, "Update", "Upd&ate"},
    {Id::edit, Use::Caption, "Edit", "&Edit"},
    {Id::cancel, Use::Caption, "Cancel", "Canc&el"},
    {Id::remove, Use::Caption, "Delete", "&Delete"},
    {Id::version, Use::Caption, "Version"},
    {Id::lblName, Use::Caption, "Name", "&Name"},
    {Id::lblStreet1, Use::Caption, "Street1", "Street&1"},
    {Id::lblStreet2, Use::Caption, "Street2", "Street&2"},
    {Id::lblCity, Use::Caption, "City", "C&ity"},
    {Id::lblCountry, Use::Caption, "Country", "Co&untry"},
    {Id::lblState, Use::Caption, "State", "&State"},
    {Id::lblPostalCode, Use::Caption, "Postal Code", "&Postal Code"},
    {Id::lblPhone, Use::Caption, "Phone", "P&hone"},
    {Id::lblPhone2, Use::Caption, "Phone 2", "Ph&one 2"},
    {Id::lblFAX, Use::Caption, "FAX", "&FAX"},
    {Id::lblCell, Use::Caption, "Cell", "&Cell"},
    {Id::lblEmail, Use::Caption, "E-Mail", "E-&Mail"},
    {Id::lblVendorTerm, Use::Caption, "Vendor Term", "&Vendor Term"},
    {Id::lblPrimaryPayTo, Use::Caption, "Primary Pay To", "Primar&y Pay To"},
    {Id::lblActive, Use::Caption, "Active", "Ac&tive"},
    {Id::lblSerial, Use::Caption, "Serial #", "Se&rial #"},
    {Id::colId, Use::Header, "VendorPayToID"},
    {Id::colName, Use::Header, "Name"},
    {Id::colSerial, Use::Header, "Serial"},
    {Id::colStreet1, Use::Header, "Street1"},
    {Id::colStreet2, Use::Header, "Street2"},
    {Id::colCity, Use::Header, "City"},
    {Id::colCountry, Use::Header, "Country"},
    {Id::colState, Use::Header, "State"},
    {Id::colPostalCode, Use::Header, "PostalCode"},
    {Id::colPhone, Use::Header, "Phone"},
    {Id::colFAX, Use::Header, "FAX"},
    {Id::colEmail, Use::Header, "Email"},
    {Id::colActive, Use::Header, "Active"},
    {Id::colPhone2, Use::Header, "Phone2"},
    {Id::colCell, Use::Header, "Cell"},
    {Id::colDefaultPayTo, Use::Header, "DefaultPayTo"},
    {Id::colDefaultTerms, Use::Header, "DefaultTerms"},
    {Id::colExported, Use::Header, "Exported"},
    {Id::colAddressId, Use::Header, "AddressID"},
    {Id::others, Use::Country, "Others"},
    {Id::usa, Use::Country, "USA"},
    {Id::canada, Use::Country, "Canada"},
    {Id::informationRequired, Use::Title, "Information Required"},
    {Id::informationValidation, Use::Title, "Information Validation"},
    {Id::nameMissing, Use::Message, "Contact Name has not been provided."},
    {Id::street1Missing, Use::Message, "Contact Street 1 has not been provided."},
    {Id::cityMissing, Use::Message, "Contact City has not been provided."},
    {Id::countryMissing, Use::Message, "Contact Country has not been provided."},
    {Id::stateMissing, Use::Message, "Contact State has not been provided."},
    {Id::termMissing, Use::Message, "Vendor Term has not been provided."},
    {Id::serialMissing, Use::Message, "Serial Number has not been provided."},
    {Id::nameTooLong, Use::Message, "Contact Name cannot be longer than 50 characters."},
    // %1 a field's caption; %2 the separator, by separatorText().
    {Id::separatorInField, Use::Message, "Field “%1” contains %2, a reserved separator.", {},
     "tt"},
    {Id::termNotStorable, Use::Message, "Vendor Term cannot be stored for this entry."},
    {Id::serialExists, Use::Message, "Serial number already exists !"},
    {Id::noPrimary, Use::Message, "At least one Pay-To entry must be assigned as Primary !"},
    {Id::serialNotNumber, Use::Message, "Field Serial # can accept only numbers !"},
    {Id::serialOutOfRange, Use::Message, "Only numbers in range [01 - 09] and [20 - 99] please !"},
    {Id::deleteQuestion, Use::Message, "Do you want to delete the selected Address?"},
    {Id::postalNotUs, Use::Message,
     "Postal Code %1 does not look like a US ZIP code (12345 or 12345-6789). Store it anyway?",
     {}, "d"},
    {Id::postalNotCanadian, Use::Message,
     "Postal Code %1 does not look like a Canadian postal code (A1A 1A1). Store it anyway?", {},
     "d"},
    {Id::postalNotOfState, Use::Message,
     "Postal Code %1 is not a postal code of %2. Store it anyway?", {}, "dd"},
    {Id::versionNumber, Use::Caption, "Version number: %1", {}, "d"},
    // The pieces of a separator as separatorText() spells it; these come last, so that a whole
    // message is matched before its pieces.
    {Id::quoted, Use::Message, "“%1”", {}, "d"},
    {Id::space, Use::Message, "a space"},
    {Id::tab, Use::Message, "a tab"},
    {Id::lineBreak, Use::Message, "a line break"},
    {Id::controlCharacter, Use::Message, "the control character U+%1", {}, "d"},
    {Id::followedBy, Use::Message, "%1 followed by %2", {}, "tt"},
    {Id::controlName, Use::Skin, "Vendor pay-to addresses"},
    {Id::frameName, Use::Skin, "Vendor contact"},
    {Id::panelName, Use::Skin, "Pay-to address"},
    {Id::listName, Use::Skin, "Pay-to entries"},
    {Id::listColumns, Use::Skin, "Columns: %1", {}, "d"},
    {Id::required, Use::Skin, "Required"},
    {Id::yes, Use::Skin, "&Yes"},
    {Id::no, Use::Skin, "&No"},
    {Id::ok, Use::Skin, "OK"},
}};
// clang-format on

constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder(), "keep the table in the order of Id");

// A keyed caption is its English with one '&' added.
constexpr bool keyedAsEnglish() {
    for (const Text& row : table) {
        if (row.keyed.empty())
            continue;
        const std::size_t key = row.keyed.find('&');
        if (key == std::string_view::npos || row.keyed.size() != row.english.size() + 1 ||
            row.keyed.substr(0, key) != row.english.substr(0, key) ||
            row.keyed.substr(key + 1) != row.english.substr(key)) {
            return false;
        }
    }
    return true;
}
static_assert(keyedAsEnglish(), "a keyed caption is its English with one '&'");

constexpr const Text& text(Id id) {
    return table[static_cast<std::size_t>(id)];
}
constexpr std::string_view english(Id id) {
    return text(id).english;
}

// The row's English with each %n replaced by parts[n-1], in one pass: a part that holds "%2"
// (typed by the user) stays as typed.
std::string compose(Id id, std::initializer_list<std::string_view> parts);

// A separator as a person can read it: visible characters in quotes, the ones nobody can see (a
// space, a tab, a line break, control characters) by name.
std::string separatorText(std::string_view separator);

}  // namespace xkr::texts
