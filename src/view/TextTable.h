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
    entryWouldSplit,
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
    followedBy,
    quoted,
    space,
    tab,
    lineBreak,
    controlCharacter,
    controlName,
    frameName,
    panelName,
    listName,
    listColumns,
    required,
    sortedAscending,
    sortedDescending,
    sortBy,
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

// lupdate reads the catalogues from this table (update_translations): XKR_SHOWN marks a row's
// source text, "//:" above a row is the translators' note, and the context is the catalogues'.
#define XKR_SHOWN(text) text
#define XKR_CATALOGUE_CONTEXT(context)

struct Catalogue {
    XKR_CATALOGUE_CONTEXT(VendorPayTo)
    // clang-format off
    static constexpr std::array<Text, static_cast<std::size_t>(Id::count)> rows{{
        // The command buttons keep their access key through the modes.
        {Id::add, Use::Caption, "Add", XKR_SHOWN("&Add")},
        {Id::save, Use::Caption, "Save", XKR_SHOWN("S&ave")},
        {Id::update, Use::Caption, "Update", XKR_SHOWN("Upd&ate")},
        {Id::edit, Use::Caption, "Edit", XKR_SHOWN("&Edit")},
        {Id::cancel, Use::Caption, "Cancel", XKR_SHOWN("Canc&el")},
        {Id::remove, Use::Caption, "Delete", XKR_SHOWN("&Delete")},
        {Id::version, Use::Caption, XKR_SHOWN("Version")},
        {Id::lblName, Use::Caption, "Name", XKR_SHOWN("&Name")},
        {Id::lblStreet1, Use::Caption, "Street1", XKR_SHOWN("Street&1")},
        {Id::lblStreet2, Use::Caption, "Street2", XKR_SHOWN("Street&2")},
        {Id::lblCity, Use::Caption, "City", XKR_SHOWN("C&ity")},
        {Id::lblCountry, Use::Caption, "Country", XKR_SHOWN("Co&untry")},
        {Id::lblState, Use::Caption, "State", XKR_SHOWN("&State")},
        {Id::lblPostalCode, Use::Caption, "Postal Code", XKR_SHOWN("&Postal Code")},
        {Id::lblPhone, Use::Caption, "Phone", XKR_SHOWN("P&hone")},
        {Id::lblPhone2, Use::Caption, "Phone 2", XKR_SHOWN("Ph&one 2")},
        {Id::lblFAX, Use::Caption, "FAX", XKR_SHOWN("&FAX")},
        {Id::lblCell, Use::Caption, "Cell", XKR_SHOWN("&Cell")},
        {Id::lblEmail, Use::Caption, "E-Mail", XKR_SHOWN("E-&Mail")},
        //: Label of the payment terms list; the label holds about 12 characters
        {Id::lblVendorTerm, Use::Caption, "Vendor Term", XKR_SHOWN("&Vendor Term")},
        //: Caption of a small check box: keep it as short as Principal
        {Id::lblPrimaryPayTo, Use::Caption, "Primary Pay To", XKR_SHOWN("Primar&y Pay To")},
        {Id::lblActive, Use::Caption, "Active", XKR_SHOWN("Ac&tive")},
        //: Label of the two-digit serial box; holds about 8 characters
        {Id::lblSerial, Use::Caption, "Serial #", XKR_SHOWN("Se&rial #")},
        {Id::colId, Use::Header, XKR_SHOWN("VendorPayToID")},
        {Id::colName, Use::Header, XKR_SHOWN("Name")},
        {Id::colSerial, Use::Header, XKR_SHOWN("Serial")},
        {Id::colStreet1, Use::Header, XKR_SHOWN("Street1")},
        {Id::colStreet2, Use::Header, XKR_SHOWN("Street2")},
        {Id::colCity, Use::Header, XKR_SHOWN("City")},
        {Id::colCountry, Use::Header, XKR_SHOWN("Country")},
        {Id::colState, Use::Header, XKR_SHOWN("State")},
        {Id::colPostalCode, Use::Header, XKR_SHOWN("PostalCode")},
        {Id::colPhone, Use::Header, XKR_SHOWN("Phone")},
        {Id::colFAX, Use::Header, XKR_SHOWN("FAX")},
        {Id::colEmail, Use::Header, XKR_SHOWN("Email")},
        {Id::colActive, Use::Header, XKR_SHOWN("Active")},
        {Id::colPhone2, Use::Header, XKR_SHOWN("Phone2")},
        {Id::colCell, Use::Header, XKR_SHOWN("Cell")},
        {Id::colDefaultPayTo, Use::Header, XKR_SHOWN("DefaultPayTo")},
        {Id::colDefaultTerms, Use::Header, XKR_SHOWN("DefaultTerms")},
        {Id::colExported, Use::Header, XKR_SHOWN("Exported")},
        {Id::colAddressId, Use::Header, XKR_SHOWN("AddressID")},
        {Id::others, Use::Country, XKR_SHOWN("Others")},
        {Id::usa, Use::Country, XKR_SHOWN("USA")},
        {Id::canada, Use::Country, XKR_SHOWN("Canada")},
        {Id::informationRequired, Use::Title, XKR_SHOWN("Information Required")},
        {Id::informationValidation, Use::Title, XKR_SHOWN("Information Validation")},
        {Id::nameMissing, Use::Message, XKR_SHOWN("Contact Name has not been provided.")},
        {Id::street1Missing, Use::Message, XKR_SHOWN("Contact Street 1 has not been provided.")},
        {Id::cityMissing, Use::Message, XKR_SHOWN("Contact City has not been provided.")},
        {Id::countryMissing, Use::Message, XKR_SHOWN("Contact Country has not been provided.")},
        {Id::stateMissing, Use::Message, XKR_SHOWN("Contact State has not been provided.")},
        {Id::termMissing, Use::Message, XKR_SHOWN("Vendor Term has not been provided.")},
        {Id::serialMissing, Use::Message, XKR_SHOWN("Serial Number has not been provided.")},
        {Id::nameTooLong, Use::Message,
         XKR_SHOWN("Contact Name cannot be longer than 50 characters.")},
        //: %1: a field's label caption, as translated above, without its access key; %2: the
        //: separator, as one of the texts below spells it
        {Id::separatorInField, Use::Message,
         XKR_SHOWN("Field “%1” contains %2, a reserved separator."), {}, "tt"},
        //: Save refused where no one field is at fault: the separators the host chose also
        //: stand in the ids and codes that the control writes
        {Id::entryWouldSplit, Use::Message,
         XKR_SHOWN("This entry cannot be stored: the separators of the vendor's data would split "
                   "it.")},
        {Id::termNotStorable, Use::Message,
         XKR_SHOWN("Vendor Term cannot be stored for this entry.")},
        {Id::serialExists, Use::Message, XKR_SHOWN("Serial number already exists !")},
        {Id::noPrimary, Use::Message,
         XKR_SHOWN("At least one Pay-To entry must be assigned as Primary !")},
        {Id::serialNotNumber, Use::Message, XKR_SHOWN("Field Serial # can accept only numbers !")},
        {Id::serialOutOfRange, Use::Message,
         XKR_SHOWN("Only numbers in range [01 - 09] and [20 - 99] please !")},
        {Id::deleteQuestion, Use::Message, XKR_SHOWN("Do you want to delete the selected Address?")},
        //: %1: the postal code as typed
        {Id::postalNotUs, Use::Message,
         XKR_SHOWN("Postal Code %1 does not look like a US ZIP code (12345 or 12345-6789). "
                   "Store it anyway?"), {}, "d"},
        //: %1: the postal code as typed
        {Id::postalNotCanadian, Use::Message,
         XKR_SHOWN("Postal Code %1 does not look like a Canadian postal code (A1A 1A1). "
                   "Store it anyway?"), {}, "d"},
        //: %1: the postal code as typed; %2: a state or province name as the host loaded it
        //: (English, not translated)
        {Id::postalNotOfState, Use::Message,
         XKR_SHOWN("Postal Code %1 is not a postal code of %2. Store it anyway?"), {}, "dd"},
        //: %1: the version, such as 2.0.2
        {Id::versionNumber, Use::Caption, XKR_SHOWN("Version number: %1"), {}, "d"},
        // The pieces of a separator as separatorText() spells it; these come last, so that a whole
        // message is matched before its pieces, and a separator of several pieces before any one
        // piece ("“a” followed by a space followed by “b”" is no quoted "a” … “b").
        //: A separator of several pieces; %1 and %2: pieces as spelled by the texts below
        {Id::followedBy, Use::Message, XKR_SHOWN("%1 followed by %2"), {}, "tt"},
        //: A separator of characters a person can see; %1: those characters
        {Id::quoted, Use::Message, XKR_SHOWN("“%1”"), {}, "d"},
        {Id::space, Use::Message, XKR_SHOWN("a space")},
        {Id::tab, Use::Message, XKR_SHOWN("a tab")},
        {Id::lineBreak, Use::Message, XKR_SHOWN("a line break")},
        //: %1: the character's code in hexadecimal, such as 0001
        {Id::controlCharacter, Use::Message, XKR_SHOWN("the control character U+%1"), {}, "d"},
        {Id::controlName, Use::Skin, XKR_SHOWN("Vendor pay-to addresses")},
        {Id::frameName, Use::Skin, XKR_SHOWN("Vendor contact")},
        {Id::panelName, Use::Skin, XKR_SHOWN("Pay-to address")},
        {Id::listName, Use::Skin, XKR_SHOWN("Pay-to entries")},
        //: %1: the shown column headers, separated by commas
        {Id::listColumns, Use::Skin, XKR_SHOWN("Columns: %1"), {}, "d"},
        {Id::required, Use::Skin, XKR_SHOWN("Required")},
        //: %1: the header of the sort column
        {Id::sortedAscending, Use::Skin, XKR_SHOWN("Sorted by %1, ascending."), {}, "d"},
        //: %1: the header of the sort column
        {Id::sortedDescending, Use::Skin, XKR_SHOWN("Sorted by %1, descending."), {}, "d"},
        //: %1: a column header
        {Id::sortBy, Use::Skin, XKR_SHOWN("Sort by %1"), {}, "d"},
        {Id::yes, Use::Skin, XKR_SHOWN("&Yes")},
        {Id::no, Use::Skin, XKR_SHOWN("&No")},
        {Id::ok, Use::Skin, XKR_SHOWN("OK")},
    }};
    // clang-format on
};
inline constexpr const auto& table = Catalogue::rows;

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
