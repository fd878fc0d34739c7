#include <algorithm>

#include "common/Text.h"
#include "view/PayToEditor.h"
#include "view/PostalCodes.h"

namespace xkr {
namespace {

using texts::Id;

constexpr std::string_view kTitle = texts::english(Id::informationRequired);
// The table's name field holds fewer characters than the box admits.
constexpr std::size_t kNameWidth = payToFields[fPayToName].width;
// DefaultTerms holds four characters.
constexpr std::int32_t kLowestTermCode = -999;
constexpr std::int32_t kHighestTermCode = 9999;

// The user corrects the box from here: typing replaces the selected text.
void selectAllAndFocus(TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(text::charCount(box.text()));
    box.SetFocus();
}

}  // namespace

void PayToEditor::refuse(std::string_view message, Control* focusTarget) {
    m_messageBox(std::string(message), std::string(kTitle), msgbox::information);
    if (focusTarget != nullptr)
        focusTarget->SetFocus();
}

// Only No declines: any other answer goes ahead, as the question's default button does.
bool PayToEditor::confirm(std::string_view question) {
    return m_messageBox(std::string(question),
                        std::string(texts::english(Id::informationValidation)),
                        msgbox::yesNoQuestion) != msgbox::no;
}

// Traps nothing: a failure (the focus sent to a disabled box) passes to the command.
bool PayToEditor::ValidateEntry() {
    EditorForm& f = m_form;
    // The inputs the layout marks required, in its order: the order the checks run in.
    for (const layout::Item& item : layout::items) {
        if (!item.required())
            continue;
        Control& input = *f.findControl(item.name, item.index);
        const auto* box = dynamic_cast<const TextBox*>(&input);
        const std::string shown =
            box != nullptr ? box->text() : dynamic_cast<const ComboBox&>(input).text();
        if (text::trim(shown).empty()) {
            refuse(texts::english(*item.missing), &input);
            return false;
        }
    }

    // Nothing typed may corrupt what the host gets back: a value too long for its field, or one
    // holding a separator that would split the exported record.
    if (text::charCount(f.txtContact(layout::nameBox).text()) > kNameWidth) {
        refuse(texts::english(Id::nameTooLong), &f.txtContact(layout::nameBox));
        return false;
    }
    // A picked item's code and a check box's yes or no are stored too: a digit or a minus sign
    // as a separator splits them as surely as typed text. So does a value whose end makes a
    // separator with the one that follows it in the export.
    for (const layout::FieldMapEntry& map : layout::entryFieldMap) {
        if (map.control == layout::EntryControl::None)
            continue;
        const std::string value = panelValue(map);
        const std::string_view separator = splittingSeparator(value, m_state.separators);
        if (separator.empty())
            continue;
        Control& control = panelControl(map);
        refuse(texts::compose(Id::separatorInField,
                              {layout::labelCaption(control.name(), control.index()),
                               texts::separatorText(separator)}),
               &control);
        return false;
    }
    const std::int32_t termCode = f.cboContactType.itemData(f.cboContactType.listIndex());
    if (termCode < kLowestTermCode || termCode > kHighestTermCode) {
        refuse(texts::english(Id::termNotStorable), &f.cboContactType);
        return false;
    }

    ListView& list = f.lstContacts;
    if (inMode(layout::caption::save)) {
        TextBox& serialBox = f.txtContact(layout::serialBox);
        const std::string_view serial = text::trim(serialBox.text());
        const std::size_t count = list.itemCount();
        for (std::size_t i = 0; i < count; ++i) {
            if (list.column(i, layout::column::serial) == serial) {
                m_messageBox(std::string(texts::english(Id::serialExists)), std::string(kTitle),
                             msgbox::information);
                selectAllAndFocus(serialBox);
                return false;
            }
        }
    }
    if (inMode(layout::caption::update)) {
        bool anyPrimary = false;
        const std::size_t count = list.itemCount();
        for (std::size_t i = 0; i < count && !anyPrimary; ++i) {
            anyPrimary = list.column(i, layout::column::defaultPayTo) == layout::yesText;
        }
        if (!anyPrimary) {
            refuse(texts::english(Id::noPrimary), nullptr);
            return false;
        }
    }
    return !m_state.postalCodeCheck || confirmPostalCode();
}

// A code that does not match its country or state may still be right (a new ZIP code, a
// military address), so the user decides. A code that fails both is asked about its format
// only: its state's prefixes say nothing about a malformed code.
bool PayToEditor::confirmPostalCode() {
    TextBox& box = m_form.txtContact(layout::postalCodeBox);
    const ComboBox& country = m_form.cboContactCountry;
    const std::int32_t countryCode = country.itemData(country.listIndex());
    const std::string stateName = m_form.cboContactState.text();
    const postal::Verdict verdict =
        postal::check(countryCode, chosenStateCode(), stateName, box.text());
    const std::string code(text::trim(box.text()));
    std::string question;
    if (verdict.finding == postal::Finding::NotTheFormat && countryCode == layout::country::usa) {
        question = texts::compose(Id::postalNotUs, {code});
    } else if (verdict.finding == postal::Finding::NotTheFormat) {
        question = texts::compose(Id::postalNotCanadian, {code});
    } else if (verdict.finding == postal::Finding::NotTheState) {
        question = texts::compose(Id::postalNotOfState, {code, stateName});
    }
    if (!question.empty() && !confirm(question)) {
        selectAllAndFocus(box);
        return false;
    }
    // The checks above saw the code as typed: a normal form that brings a separator in (a space,
    // an upper-case letter) is not applied.
    if (verdict.stored != box.text() &&
        splittingSeparator(verdict.stored, m_state.separators).empty())
        box.setText(verdict.stored);
    return true;
}

void PayToEditor::refuseSerial(std::string_view message, bool& cancel) {
    TextBox& box = m_form.txtContact(layout::serialBox);
    cancel = true;
    m_messageBox(std::string(message), std::string(kTitle), msgbox::information);
    selectAllAndFocus(box);
}

void PayToEditor::txtContact_Validate(int index, bool& cancel) {
    if (index != layout::serialBox)
        return;
    TextBox& box = m_form.txtContact(layout::serialBox);
    if (!text::isNumeric(box.text())) {
        refuseSerial(texts::english(Id::serialNotNumber), cancel);
        return;
    }
    std::string serial(text::trim(box.text()));
    // The padding zero is left out where "0" is part of a separator; the value is checked as
    // it would be stored.
    if (text::charCount(serial) == 1 &&
        splittingSeparator("0" + serial, m_state.separators).empty())
        serial = "0" + serial;
    const double value = text::leadingNumber(serial);
    if ((value >= 10 && value <= 19) || value < 1) {
        refuseSerial(texts::english(Id::serialOutOfRange), cancel);
        return;
    }
    box.setText(serial);
}

// A primary entry cannot be made inactive: the box is checked again and keeps the focus.
void PayToEditor::ChkActive_Validate(bool& cancel) {
    if (m_form.ChkActive.value() != 0)
        return;
    if (m_form.ChkDefault.value() == 1) {
        cancel = true;
        m_form.ChkActive.setValue(1);
    } else {
        cancel = false;
    }
}

void PayToEditor::ChkDefault_Click() {
    if (m_state.primaryGuard)
        return;
    m_state.primaryChangeMarker = "Changed";
    ListView& list = m_form.lstContacts;
    ListView::UpdateBatch batch(list);
    const bool checked = m_form.ChkDefault.value() == 1;
    if (checked) {
        m_form.ChkActive.setValue(1);
        const std::size_t count = list.itemCount();
        for (std::size_t i = 0; i < count; ++i) {
            if (list.column(i, layout::column::defaultPayTo) == layout::yesText) {
                setPrimaryMark(i, layout::noText);
                break;
            }
        }
    }
    // Edit mode with nothing selected has no entry to mark.
    const auto selected = list.selectedIndex();
    if (inMode(layout::caption::update) && selected)
        setPrimaryMark(*selected, checked ? layout::yesText : layout::noText);
}

// Keeps the mark's first text, which an unsaved entry puts back.
void PayToEditor::setPrimaryMark(std::size_t position, std::string_view mark) {
    ListView& list = m_form.lstContacts;
    auto& before = m_state.primaryMarksBefore;
    if (std::none_of(before.begin(), before.end(),
                     [position](const auto& kept) { return kept.first == position; })) {
        before.emplace_back(position, list.column(position, layout::column::defaultPayTo));
    }
    list.setSubItem(position, layout::column::defaultPayTo, mark);
}

}  // namespace xkr
