#include "view/Controls.h"

#include <algorithm>

#include "common/Error.h"
#include "common/Text.h"

namespace xkr {

Control::Control(FocusManager& focus, std::string name, int index)
    : m_focus(focus), m_name(std::move(name)), m_index(index) {}

std::string Control::displayName() const {
    return m_index < 0 ? m_name : m_name + " " + std::to_string(m_index);
}

void Control::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        m_focus.controlDisabled(*this);
    notify();
}

TextBox::TextBox(FocusManager& focus, std::string name, int index, std::size_t maxLength)
    : Control(focus, std::move(name), index), m_maxLength(maxLength) {}

void TextBox::setText(std::string_view text) {
    if (m_text == text)
        return;
    m_text = std::string(text);
    m_selStart = std::min(m_selStart, text::charCount(m_text));
    m_selLength = 0;
    notify();
}

void TextBox::setLocked(bool locked) {
    if (m_locked == locked)
        return;
    m_locked = locked;
    notify();
}

void TextBox::setBackColour(Colour colour) {
    if (m_backColour == colour)
        return;
    m_backColour = colour;
    notify();
}

void TextBox::setSelStart(std::size_t start) {
    m_selStart = std::min(start, text::charCount(m_text));
    m_selLength = std::min(m_selLength, text::charCount(m_text) - m_selStart);
    notify();
}

void TextBox::setSelLength(std::size_t length) {
    m_selLength = std::min(length, text::charCount(m_text) - m_selStart);
    notify();
}

bool TextBox::userReplaceText(std::string_view text) {
    if (!enabled() || m_locked)
        return false;
    setText(text::leftChars(text, m_maxLength));
    return true;
}

ComboBox::ComboBox(FocusManager& focus, std::string name) : Control(focus, std::move(name)) {}

void ComboBox::clear() {
    m_items.clear();
    m_listIndex = -1;
    m_newIndex = -1;
    notify();
}

void ComboBox::addItem(std::string text) {
    m_items.push_back({std::move(text), 0});
    m_newIndex = static_cast<int>(m_items.size()) - 1;
    notify();
}

const ComboBox::Item& ComboBox::item(int index) const {
    if (index < 0 || index >= listCount()) {
        throw VendorPayToError(name() + ": no item at index " + std::to_string(index));
    }
    return m_items[static_cast<std::size_t>(index)];
}

const std::string& ComboBox::itemText(int index) const {
    return item(index).text;
}

std::int32_t ComboBox::itemData(int index) const {
    return item(index).data;
}

void ComboBox::setItemData(int index, std::int32_t data) {
    item(index);
    m_items[static_cast<std::size_t>(index)].data = data;
}

void ComboBox::setListIndex(int index) {
    if (index != -1)
        item(index);
    m_listIndex = index;
    notify();
    if (onClick)
        onClick();
}

std::string ComboBox::text() const {
    return m_listIndex < 0 ? std::string() : itemText(m_listIndex);
}

void ComboBox::setLocked(bool locked) {
    if (m_locked == locked)
        return;
    m_locked = locked;
    notify();
}

void ComboBox::setBackColour(Colour colour) {
    if (m_backColour == colour)
        return;
    m_backColour = colour;
    notify();
}

bool ComboBox::userPick(int index) {
    if (!enabled() || m_locked)
        return false;
    setListIndex(index);
    return true;
}

CheckBox::CheckBox(FocusManager& focus, std::string name) : Control(focus, std::move(name)) {}

void CheckBox::setValue(int value) {
    if (value != 0 && value != 1) {
        throw VendorPayToError(name() + ": value must be 0 or 1");
    }
    if (m_value == value)
        return;
    m_value = value;
    notify();
    if (onClick)
        onClick();
}

bool CheckBox::userClick() {
    if (!enabled())
        return false;
    setValue(m_value == 0 ? 1 : 0);
    return true;
}

CommandButton::CommandButton(FocusManager& focus, std::string name, std::string caption)
    : Control(focus, std::move(name)), m_caption(std::move(caption)) {}

void CommandButton::setCaption(std::string caption) {
    if (m_caption == caption)
        return;
    m_caption = std::move(caption);
    notify();
}

bool CommandButton::userClick() {
    if (!enabled())
        return false;
    if (onClick)
        onClick();
    return true;
}

Label::Label(std::string name, std::string caption)
    : m_name(std::move(name)), m_caption(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (m_caption == caption)
        return;
    m_caption = std::move(caption);
    changed.raise();
}

}  // namespace xkr
