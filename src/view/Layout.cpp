#include "view/Layout.h"

namespace xkr::layout {

std::optional<Item> find(std::string_view name, int index) {
    for (const Item& item : items) {
        if (item.name == name && item.index == index)
            return item;
    }
    return std::nullopt;
}

std::string_view labelCaption(std::string_view name, int index) {
    const std::optional<Item> input = find(name, index);
    if (!input || input->label.empty())
        return {};
    const std::optional<Item> label = find(input->label);
    return label ? label->caption : std::string_view();
}

}  // namespace xkr::layout
