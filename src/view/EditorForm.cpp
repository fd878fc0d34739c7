#include "view/EditorForm.h"

#include <algorithm>
#include <string>

#include "common/Error.h"
#include "view/Layout.h"

namespace xkr {
namespace {

// Read from the layout table when compiling, not by every control that is built.
constexpr std::array<std::size_t, layout::textBoxCount> textBoxMaxLengths = [] {
    std::array<std::size_t, layout::textBoxCount> lengths{};
    for (const layout::Item& item : layout::items) {
        if (item.name == "txtContact")
            lengths.at(static_cast<std::size_t>(item.index)) =
                static_cast<std::size_t>(item.maxLength);
    }
    return lengths;
}();

}  // namespace

// Built where the form holds them, by value: a text box can be neither copied nor moved.
template <std::size_t... Index>
std::array<TextBox, sizeof...(Index)> EditorForm::makeTextBoxes(std::index_sequence<Index...>) {
    return {TextBox(focus, "txtContact", static_cast<int>(Index), textBoxMaxLengths[Index])...};
}

EditorForm::EditorForm()
    : lstContacts(focus, "lstContacts", layout::find("lstContacts")->rect.width),
      cmdAdd(focus, "cmdAdd", std::string(layout::caption::add)),
      cmdEdit(focus, "cmdEdit", std::string(layout::caption::edit)),
      cmdDelete(focus, "cmdDelete", std::string(layout::caption::remove)),
      cboContactCountry(focus, "cboContactCountry"),
      cboContactState(focus, "cboContactState"),
      cboContactType(focus, "cboContactType"),
      ChkDefault(focus, "ChkDefault"),
      ChkActive(focus, "ChkActive"),
      lblVersionNumber("lblVersionNumber", std::string(texts::english(texts::Id::version))),
      m_txtContact(makeTextBoxes(std::make_index_sequence<layout::textBoxCount>())) {
    for (TextBox& box : m_txtContact) {
        box.setLocked(true);
        box.setBackColour(buttonFace);
    }
    // The combos stay locked until the first fill unlocks them.
    for (ComboBox* combo : {&cboContactCountry, &cboContactState, &cboContactType}) {
        combo->setBackColour(buttonFace);
        combo->setLocked(true);
    }
    txtContact(layout::serialBox).setEnabled(false);
    ChkActive.setEnabled(false);
    ChkDefault.setEnabled(false);
    cmdAdd.setEnabled(false);
    // Cancel (this button in add and edit mode) always abandons the entry: moving to it runs no
    // check, so an invalid serial can never keep the user from leaving. In browse mode no
    // control that validates can have the focus.
    cmdEdit.causesValidation = false;
}

TextBox& EditorForm::txtContact(int index) {
    if (index < 0 || index >= static_cast<int>(m_txtContact.size())) {
        throw VendorPayToError("no txtContact element " + std::to_string(index));
    }
    return m_txtContact[static_cast<std::size_t>(index)];
}

const TextBox& EditorForm::txtContact(int index) const {
    return const_cast<EditorForm*>(this)->txtContact(index);
}

Control* EditorForm::findControl(std::string_view name, int index) {
    if (name == "txtContact") {
        return index >= 0 && index < static_cast<int>(m_txtContact.size())
                   ? &m_txtContact[static_cast<std::size_t>(index)]
                   : nullptr;
    }
    if (index != -1)
        return nullptr;
    for (Control* control : std::initializer_list<Control*>{
             &lstContacts, &cmdAdd, &cmdEdit, &cmdDelete, &cboContactCountry, &cboContactState,
             &cboContactType, &ChkDefault, &ChkActive}) {
        if (control->name() == name)
            return control;
    }
    return nullptr;
}

std::vector<Control*> EditorForm::tabOrder() {
    std::vector<const layout::Item*> focusable;
    for (const layout::Item& item : layout::items) {
        if (item.tabIndex >= 0)
            focusable.push_back(&item);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<Control*> order;
    for (const layout::Item* item : focusable)
        order.push_back(findControl(item->name, item->index));
    return order;
}

EditorForm::TabStop EditorForm::nextTabStop(bool forward) {
    const std::vector<Control*> order = tabOrder();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto current = std::find(order.begin(), order.end(), focus.focused());
    std::ptrdiff_t position =
        current == order.end() ? (forward ? -1 : count) : current - order.begin();
    const std::ptrdiff_t step = forward ? 1 : -1;
    bool wrapped = false;
    for (std::ptrdiff_t visited = 0; visited < count; ++visited) {
        position += step;
        if (position < 0 || position >= count) {
            position = forward ? 0 : count - 1;
            wrapped = true;
        }
        Control* control = order[static_cast<std::size_t>(position)];
        if (control->enabled())
            return {control, wrapped};
    }
    return {nullptr, wrapped};
}

}  // namespace xkr
