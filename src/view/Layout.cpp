#include "view/Layout.h"

namespace xkr::layout {

std::string_view textBoxCaption(int index) {
    static constexpr std::array<std::string_view, textBoxCount> captions{
        "Name", "Street1", "Street2",  "City",    "Postal Code", "Phone",
        "FAX",  "E-Mail",  "Serial #", "Phone 2", "Cell"};
    if (index < 0 || static_cast<std::size_t>(index) >= captions.size())
        return {};
    return captions[static_cast<std::size_t>(index)];
}

std::optional<Item> find(std::string_view name, int index) {
    for (const Item& item : items) {
        if (item.name == name && item.index == index)
            return item;
    }
    return std::nullopt;
}

bool isRequired(std::string_view name, int index) {
    if (name == "txtContact")
        return index == 0 || index == 1 || index == 3 || index == serialBox;
    return name == "cboContactCountry" || name == "cboContactState" || name == "cboContactType";
}

}  // namespace xkr::layout
