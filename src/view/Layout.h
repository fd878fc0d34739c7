#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "table/PayToFields.h"
#include "view/TextTable.h"

// The editor's static arrangement as plain tables: front ends lay the form out from these, and
// the editor routines read the entry field map from here. Coordinates are twips (1/1440 inch)
// relative to the containing frame.
namespace xkr::layout {

inline constexpr int designedWidth = 7260;
inline constexpr int designedHeight = 7545;

enum class Kind { Frame, ListView, CommandButton, Label, TextBox, ComboBox, CheckBox, Image };

struct Rect {
    int left, top, width, height;
};

struct Item {
    std::string_view name;
    int index;  // element of a control array, -1 for none
    Kind kind;
    std::string_view parent;  // empty: the control itself
    Rect rect;
    std::string_view caption;     // design-time caption of frames, labels and buttons
    int maxLength;                // text boxes: characters the user may type; 0 elsewhere
    int tabIndex;                 // -1 for controls that take no focus
    std::string_view label = {};  // inputs: the label item that captions the input
    // Inputs that Save requires: the message that refuses an entry without one, in this table's
    // order; a marker stands beside them and screen readers call them required.
    std::optional<texts::Id> missing = {};

    constexpr bool required() const { return missing.has_value(); }
};

inline constexpr std::string_view outerFrame = "frameVendorContact";
inline constexpr std::string_view entryPanel = "frameContactAddress";

// The command buttons' captions. cmdAdd's caption is also the editor's mode: "Add" browse,
// "Save" adding an entry, "Update" editing one; cmdEdit reads "Cancel" in both entry modes.
namespace caption {
inline constexpr std::string_view add = texts::english(texts::Id::add);
inline constexpr std::string_view save = texts::english(texts::Id::save);
inline constexpr std::string_view update = texts::english(texts::Id::update);
inline constexpr std::string_view edit = texts::english(texts::Id::edit);
inline constexpr std::string_view cancel = texts::english(texts::Id::cancel);
inline constexpr std::string_view remove = texts::english(texts::Id::remove);
}  // namespace caption

using texts::Id;
constexpr std::string_view shown(Id id) {
    return texts::english(id);
}

// Keep tab indexes as designed: the list, the first ten inputs and the buttons take 0 to 13,
// the inputs added later take the higher numbers. Each input names the label that captions it
// and says whether validation requires it; front ends read both from here.
// clang-format off
inline constexpr std::array<Item, 46> items{{
    {"frameVendorContact", -1, Kind::Frame, "", {30, -90, 7260, 7545}, "", 0, -1},
    {"lstContacts", -1, Kind::ListView, outerFrame, {75, 150, 7110, 2250}, "", 0, 0},
    {"frameContactAddress", -1, Kind::Frame, outerFrame, {90, 2325, 7080, 4695}, "", 0, -1},
    {"cmdAdd", -1, Kind::CommandButton, outerFrame, {1935, 7095, 1200, 360}, caption::add, 0, 11},
    {"cmdEdit", -1, Kind::CommandButton, outerFrame, {3225, 7095, 1200, 360}, caption::edit, 0, 12},
    {"cmdDelete", -1, Kind::CommandButton, outerFrame, {4515, 7095, 1200, 360},
     caption::remove, 0, 13},
    {"lblVersionNumber", -1, Kind::Label, outerFrame, {105, 7170, 1830, 195},
     shown(Id::version), 0, -1},
    {"lblName", -1, Kind::Label, entryPanel, {255, 210, 1335, 255}, shown(Id::lblName), 0, -1},
    {"txtContact", 0, Kind::TextBox, entryPanel, {1695, 210, 3075, 285}, "", 60, 1,
     "lblName", Id::nameMissing},
    {"lblStreet1", -1, Kind::Label, entryPanel, {255, 570, 1335, 255},
     shown(Id::lblStreet1), 0, -1},
    {"txtContact", 1, Kind::TextBox, entryPanel, {1695, 570, 3075, 285}, "", 30, 2,
     "lblStreet1", Id::street1Missing},
    {"lblStreet2", -1, Kind::Label, entryPanel, {255, 930, 1335, 255},
     shown(Id::lblStreet2), 0, -1},
    {"txtContact", 2, Kind::TextBox, entryPanel, {1695, 915, 3075, 285}, "", 30, 3,
     "lblStreet2"},
    {"lblCity", -1, Kind::Label, entryPanel, {255, 1290, 1335, 255}, shown(Id::lblCity), 0, -1},
    {"txtContact", 3, Kind::TextBox, entryPanel, {1695, 1290, 3075, 285}, "", 30, 4,
     "lblCity", Id::cityMissing},
    {"lblCountry", -1, Kind::Label, entryPanel, {255, 1650, 1335, 255},
     shown(Id::lblCountry), 0, -1},
    {"cboContactCountry", -1, Kind::ComboBox, entryPanel, {1695, 1635, 2055, 315}, "", 0, 5,
     "lblCountry", Id::countryMissing},
    {"lblState", -1, Kind::Label, entryPanel, {255, 2010, 1335, 255}, shown(Id::lblState), 0, -1},
    {"cboContactState", -1, Kind::ComboBox, entryPanel, {1695, 1995, 2055, 315}, "", 0, 6,
     "lblState", Id::stateMissing},
    {"lblPostalCode", -1, Kind::Label, entryPanel, {255, 2370, 1335, 255},
     shown(Id::lblPostalCode), 0, -1},
    {"txtContact", 4, Kind::TextBox, entryPanel, {1695, 2385, 3075, 285}, "", 10, 7,
     "lblPostalCode"},
    {"lblPhone", -1, Kind::Label, entryPanel, {255, 2730, 1335, 255}, shown(Id::lblPhone), 0, -1},
    {"txtContact", 5, Kind::TextBox, entryPanel, {1695, 2730, 1755, 285}, "", 25, 8,
     "lblPhone"},
    {"lblPhone2", -1, Kind::Label, entryPanel, {3600, 2760, 1335, 255},
     shown(Id::lblPhone2), 0, -1},
    {"txtContact", 9, Kind::TextBox, entryPanel, {5040, 2760, 1755, 285}, "", 25, 35,
     "lblPhone2"},
    {"lblFAX", -1, Kind::Label, entryPanel, {255, 3090, 1335, 255}, shown(Id::lblFAX), 0, -1},
    {"txtContact", 6, Kind::TextBox, entryPanel, {1695, 3090, 1755, 285}, "", 20, 9,
     "lblFAX"},
    {"lblCell", -1, Kind::Label, entryPanel, {3600, 3120, 1335, 255}, shown(Id::lblCell), 0, -1},
    {"txtContact", 10, Kind::TextBox, entryPanel, {5040, 3120, 1755, 285}, "", 20, 36,
     "lblCell"},
    {"lblEmail", -1, Kind::Label, entryPanel, {240, 3450, 1335, 255}, shown(Id::lblEmail), 0, -1},
    {"txtContact", 7, Kind::TextBox, entryPanel, {1695, 3450, 5115, 285}, "", 50, 10,
     "lblEmail"},
    {"lblVendorTerm", -1, Kind::Label, entryPanel, {225, 3825, 1335, 255},
     shown(Id::lblVendorTerm), 0, -1},
    {"cboContactType", -1, Kind::ComboBox, entryPanel, {1695, 3810, 3075, 315}, "", 0, 27,
     "lblVendorTerm", Id::termMissing},
    {"lblPrimaryPayTo", -1, Kind::Label, entryPanel, {210, 4320, 1170, 255},
     shown(Id::lblPrimaryPayTo), 0, -1},
    {"ChkDefault", -1, Kind::CheckBox, entryPanel, {1380, 4290, 210, 285}, "", 0, 29,
     "lblPrimaryPayTo"},
    {"lblActive", -1, Kind::Label, entryPanel, {2115, 4305, 585, 255}, shown(Id::lblActive), 0, -1},
    {"ChkActive", -1, Kind::CheckBox, entryPanel, {2715, 4275, 210, 285}, "", 0, 30,
     "lblActive"},
    {"Label1", -1, Kind::Label, entryPanel, {3300, 4305, 705, 255}, shown(Id::lblSerial), 0, -1},
    {"txtContact", 8, Kind::TextBox, entryPanel, {4275, 4200, 480, 360}, "", 2, 31, "Label1",
     Id::serialMissing},
    {"imgBullet", 0, Kind::Image, entryPanel, {1410, 262, 180, 180}, "", 0, -1},
    {"imgBullet", 1, Kind::Image, entryPanel, {1410, 622, 180, 180}, "", 0, -1},
    {"imgBullet", 2, Kind::Image, entryPanel, {1410, 1342, 180, 180}, "", 0, -1},
    {"imgBullet", 3, Kind::Image, entryPanel, {1410, 1702, 180, 180}, "", 0, -1},
    {"imgBullet", 4, Kind::Image, entryPanel, {1410, 2062, 180, 180}, "", 0, -1},
    {"imgBullet", 5, Kind::Image, entryPanel, {1410, 3877, 180, 180}, "", 0, -1},
    {"imgBullet", 6, Kind::Image, entryPanel, {4005, 4320, 180, 180}, "", 0, -1},
}};
// clang-format on

// The form's standard font, which the twips were laid out for, and the Serial box's own. "Sans
// Serif" names no particular face: it stands for the system's standard sans-serif font. A skin
// shows the form in the font its host gives it; every twip, and the Serial box's font, grows
// with that font's size over the standard one's.
struct FontSpec {
    std::string_view family;
    int pointSize;
    bool bold;
    unsigned rgb;
};
inline constexpr FontSpec formFont{"Sans Serif", 8, false, 0x000000};
inline constexpr FontSpec serialFont{"Sans Serif", 12, true, 0xFF0000};

// What an entry panel control shows of an entry.
enum class EntryControl { None, TextBox, Country, State, Term, Active, Default };

struct FieldMapEntry {
    std::size_t column;  // 0: the entry's own text; k >= 1: sub-item k
    std::string_view header;
    double widthDivisor;  // header width = list width / divisor; 0 for a hidden column
    EntryControl control;
    int textIndex;  // the txtContact element for EntryControl::TextBox
    PayToField field;
};

// The list's columns: 0 is an entry's own text (its id), k >= 1 its sub-item k.
namespace column {
inline constexpr std::size_t id = 0;
inline constexpr std::size_t name = 1;
inline constexpr std::size_t serial = 2;
inline constexpr std::size_t street1 = 3;
inline constexpr std::size_t street2 = 4;
inline constexpr std::size_t city = 5;
inline constexpr std::size_t country = 6;
inline constexpr std::size_t state = 7;
inline constexpr std::size_t postalCode = 8;
inline constexpr std::size_t phone = 9;
inline constexpr std::size_t fax = 10;
inline constexpr std::size_t email = 11;
inline constexpr std::size_t active = 12;
inline constexpr std::size_t phone2 = 13;
inline constexpr std::size_t cell = 14;
inline constexpr std::size_t defaultPayTo = 15;
inline constexpr std::size_t defaultTerms = 16;
inline constexpr std::size_t exported = 17;
inline constexpr std::size_t addressId = 18;
inline constexpr std::size_t lastSubItem = addressId;
// The column the list is sorted by after a fill and after every mode change.
inline constexpr std::int16_t serialSortKey = static_cast<std::int16_t>(serial);
}  // namespace column

// How the list, the table and the check boxes write yes and no (Active, DefaultPayTo).
inline constexpr std::string_view yesText = "-1";
inline constexpr std::string_view noText = "0";

// The one correspondence between panel controls, list columns and table fields, in column
// order. The country comes before the state: showing an entry selects the country first,
// which refills the states that the state search then reads.
inline constexpr std::array<FieldMapEntry, 19> entryFieldMap{{
    {column::id, shown(Id::colId), 0, EntryControl::None, -1, fVendorPayToID},
    {column::name, shown(Id::colName), 1.8, EntryControl::TextBox, 0, fPayToName},
    {column::serial, shown(Id::colSerial), 8.5, EntryControl::TextBox, 8, fPayToSerial},
    {column::street1, shown(Id::colStreet1), 0, EntryControl::TextBox, 1, fStreet1},
    {column::street2, shown(Id::colStreet2), 0, EntryControl::TextBox, 2, fStreet2},
    {column::city, shown(Id::colCity), 3.2, EntryControl::TextBox, 3, fCity},
    {column::country, shown(Id::colCountry), 0, EntryControl::Country, -1, fCountry},
    {column::state, shown(Id::colState), 0, EntryControl::State, -1, fState},
    {column::postalCode, shown(Id::colPostalCode), 0, EntryControl::TextBox, 4, fPostalCode},
    {column::phone, shown(Id::colPhone), 0, EntryControl::TextBox, 5, fPhone},
    {column::fax, shown(Id::colFAX), 0, EntryControl::TextBox, 6, fFAX},
    {column::email, shown(Id::colEmail), 0, EntryControl::TextBox, 7, fEmail},
    {column::active, shown(Id::colActive), 0, EntryControl::Active, -1, fActive},
    {column::phone2, shown(Id::colPhone2), 0, EntryControl::TextBox, 9, fPhone2},
    {column::cell, shown(Id::colCell), 0, EntryControl::TextBox, 10, fPhone3},
    {column::defaultPayTo, shown(Id::colDefaultPayTo), 0, EntryControl::Default, -1, fDefaultPayTo},
    {column::defaultTerms, shown(Id::colDefaultTerms), 0, EntryControl::Term, -1, fDefaultTerms},
    {column::exported, shown(Id::colExported), 0, EntryControl::None, -1, fExported},
    {column::addressId, shown(Id::colAddressId), 0, EntryControl::None, -1, fAddressID},
}};

inline constexpr std::size_t textBoxCount = 11;
inline constexpr int serialBox = 8;
inline constexpr int nameBox = 0;
inline constexpr int postalCodeBox = 4;

// The country combo's item codes, which are also the items' positions: the state list is
// filled by comparing the position with the states' country field.
namespace country {
inline constexpr std::int32_t others = 0;
inline constexpr std::int32_t usa = 1;
inline constexpr std::int32_t canada = 2;
}  // namespace country

// The caption of the label that stands beside an input; empty for a control without one.
std::string_view labelCaption(std::string_view name, int index = -1);
// The layout row of a control (name and array index).
std::optional<Item> find(std::string_view name, int index = -1);

}  // namespace xkr::layout
