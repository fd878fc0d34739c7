#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "view/Colours.h"
#include "view/FocusManager.h"
#include "view/Signal.h"

namespace xkr {

// The controls the editor drives: properties that code sets, events raised synchronously inside
// the code that causes them, and the operations a person performs (named user...). Front ends
// mirror `changed` and call only the user operations.
class Control {
public:
    Control(FocusManager& focus, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return m_name; }
    int index() const { return m_index; }  // element of a control array, -1 for none
    // "txtContact 8" for an array element, else the name.
    std::string displayName() const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    void SetFocus() { m_focus.codeSetFocus(*this); }
    FocusManager& focusManager() const { return m_focus; }

    // Raised before the focus leaves this control by a user's move; set cancel to keep it.
    std::function<void(bool& cancel)> onValidate;
    // Whether a move to this control raises the validation of the control that loses the focus.
    bool causesValidation = true;

    Signal changed;

protected:
    void notify() { changed.raise(); }

private:
    FocusManager& m_focus;
    std::string m_name;
    int m_index;
    bool m_enabled = true;
};

class TextBox : public Control {
public:
    TextBox(FocusManager& focus, std::string name, int index, std::size_t maxLength);

    const std::string& text() const { return m_text; }
    void setText(std::string_view text);
    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    Colour backColour() const { return m_backColour; }
    void setBackColour(Colour colour);
    std::size_t maxLength() const { return m_maxLength; }
    std::size_t selStart() const { return m_selStart; }
    std::size_t selLength() const { return m_selLength; }
    void setSelStart(std::size_t start);
    void setSelLength(std::size_t length);

    // The user replaces the whole text; cut to the maximum length in characters. Refused (false)
    // when the box is disabled or locked.
    bool userReplaceText(std::string_view text);

private:
    std::string m_text;
    bool m_locked = false;
    Colour m_backColour = windowBackground;
    std::size_t m_maxLength;
    std::size_t m_selStart = 0;
    std::size_t m_selLength = 0;
};

class ComboBox : public Control {
public:
    ComboBox(FocusManager& focus, std::string name);

    void clear();
    void addItem(std::string text);
    // Room for that many items, so that adding them moves none.
    void reserveItems(std::size_t count) { m_items.reserve(count); }
    int newIndex() const { return m_newIndex; }
    int listCount() const { return static_cast<int>(m_items.size()); }
    const std::string& itemText(int index) const;
    std::int32_t itemData(int index) const;
    void setItemData(int index, std::int32_t data);
    int listIndex() const { return m_listIndex; }
    // Raises onClick every time, also for the same index and for -1.
    void setListIndex(int index);
    // The selected item's text; empty exactly when nothing is selected.
    std::string text() const;
    bool locked() const { return m_locked; }
    void setLocked(bool locked);
    Colour backColour() const { return m_backColour; }
    void setBackColour(Colour colour);

    // The user picks an item; refused (false) when the combo is locked or disabled.
    bool userPick(int index);

    std::function<void()> onClick;

private:
    struct Item {
        std::string text;
        std::int32_t data = 0;
    };
    const Item& item(int index) const;

    std::vector<Item> m_items;
    int m_listIndex = -1;
    int m_newIndex = -1;
    bool m_locked = false;
    Colour m_backColour = windowBackground;
};

class CheckBox : public Control {
public:
    CheckBox(FocusManager& focus, std::string name);

    int value() const { return m_value; }
    // Raises onClick when the value changes.
    void setValue(int value);
    // The user's click toggles the value; refused (false) when disabled.
    bool userClick();

    std::function<void()> onClick;

private:
    int m_value = 0;
};

class CommandButton : public Control {
public:
    CommandButton(FocusManager& focus, std::string name, std::string caption);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    // Runs onClick; refused (false) when disabled.
    bool userClick();

    std::function<void()> onClick;

private:
    std::string m_caption;
};

class Label {
public:
    Label(std::string name, std::string caption);
    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    Signal changed;

private:
    std::string m_name;
    std::string m_caption;
};

}  // namespace xkr
