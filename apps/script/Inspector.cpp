#include "Inspector.h"

#include <string>

#include "ControlArgs.h"
#include "OutputText.h"
#include "common/Text.h"
#include "view/Layout.h"

namespace xkr::script {
namespace {

void showTextBox(std::ostream& out, const TextBox& box) {
    out << box.displayName() << ": " << quoted(box.text()) << " locked=" << yesNo(box.locked())
        << " enabled=" << yesNo(box.enabled()) << " back=" << colourName(box.backColour()) << '\n';
}

void showCombo(std::ostream& out, const ComboBox& combo) {
    const int index = combo.listIndex();
    out << combo.name() << ": index=" << index << " text=" << quoted(combo.text()) << " data=";
    if (index < 0) {
        out << "none";
    } else {
        out << combo.itemData(index);
    }
    out << " count=" << combo.listCount() << " locked=" << yesNo(combo.locked())
        << " back=" << colourName(combo.backColour()) << '\n';
}

void showItems(std::ostream& out, const ComboBox& combo) {
    out << combo.name() << " items: ";
    if (combo.listCount() == 0)
        out << "(none)";
    for (int i = 0; i < combo.listCount(); ++i) {
        if (i > 0)
            out << ", ";
        out << quoted(combo.itemText(i)) << '=' << combo.itemData(i);
    }
    out << '\n';
}

void showList(std::ostream& out, const ListView& list) {
    out << "lstContacts: count=" << list.itemCount() << " selected=";
    if (const auto selected = list.selectedIndex()) {
        out << quoted(list.itemText(*selected));
    } else {
        out << "none";
    }
    out << " sort=" << list.sortKey() << ' ' << (list.sortOrder() == 0 ? "ascending" : "descending")
        << " enabled=" << yesNo(list.available())
        << " hideselection=" << yesNo(list.hideSelection())
        << " back=" << colourName(list.backColour()) << '\n';
}

void showFields(std::ostream& out, const EditorForm& form) {
    out << "fields:";
    for (int i = 0; i < static_cast<int>(layout::textBoxCount); ++i) {
        out << ' ' << quoted(form.txtContact(i).text());
    }
    out << '\n';
}

void showEntries(std::ostream& out, const ListView& list) {
    out << "entries: " << list.itemCount() << '\n';
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        out << "  " << escapeText(list.column(i, layout::column::id));
        for (std::size_t k = 1; k <= layout::column::lastSubItem; ++k)
            out << " | " << escapeText(list.column(i, k));
        out << '\n';
    }
}

void showRows(std::ostream& out, const PayToTable& table) {
    if (table.state() != PayToTable::stateOpen) {
        out << "rows: closed\n";
        return;
    }
    out << "rows: " << table.recordCount() << '\n';
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        out << "  " << escapeText(table.valueAt(row, 0));
        for (std::size_t p = 1; p < table.fieldCount(); ++p) {
            out << " | " << escapeText(table.valueAt(row, p));
        }
        out << '\n';
    }
}

void showHeaders(std::ostream& out, const ListView& list) {
    const auto& headers = list.columnHeaders();
    for (std::size_t i = 0; i < headers.size(); ++i) {
        out << "header " << i + 1 << ": " << quoted(headers[i].text) << ' '
            << text::shortestDecimal(headers[i].width) << '\n';
    }
}

// The focused text box and the part of its text that is selected.
void showSelection(std::ostream& out, const EditorForm& form) {
    const auto* box = dynamic_cast<const TextBox*>(form.focus.focused());
    if (box == nullptr) {
        out << "selection: none\n";
        return;
    }
    const std::string& text = box->text();
    const std::size_t start = text::leftChars(text, box->selStart()).size();
    const std::size_t end = text::leftChars(text, box->selStart() + box->selLength()).size();
    out << "selection: " << box->displayName() << ' ' << quoted(text.substr(start, end - start))
        << '\n';
}

}  // namespace

void showFocus(std::ostream& out, const EditorForm& form) {
    const Control* focused = form.focus.focused();
    out << "focus: " << (focused != nullptr ? focused->displayName() : "none") << '\n';
}

void runShow(LineArgs& args, VendorPayTo& control, std::ostream& out) {
    EditorForm& form = control.form();
    const std::string what = args.word("what to show");
    if (what == "txtContact") {
        const TextBox& box = textBoxArg(form, args);
        args.end();
        showTextBox(out, box);
        return;
    }
    if (what == "items") {
        const ComboBox& combo = comboArg(form, args);
        args.end();
        showItems(out, combo);
        return;
    }
    args.end();
    if (const ComboBox* combo = findCombo(form, what)) {
        showCombo(out, *combo);
    } else if (const CheckBox* box = findCheck(form, what)) {
        out << box->name() << ": value=" << box->value() << " enabled=" << yesNo(box->enabled())
            << '\n';
    } else if (const CommandButton* button = findButton(form, what)) {
        out << button->name() << ": " << quoted(button->caption())
            << " enabled=" << yesNo(button->enabled()) << '\n';
    } else if (what == "lstContacts") {
        showList(out, form.lstContacts);
    } else if (what == "lblVersionNumber") {
        out << "lblVersionNumber: " << quoted(form.lblVersionNumber.caption()) << '\n';
    } else if (what == "fields") {
        showFields(out, form);
    } else if (what == "entries") {
        showEntries(out, form.lstContacts);
    } else if (what == "rows") {
        showRows(out, control.table());
    } else if (what == "headers") {
        showHeaders(out, form.lstContacts);
    } else if (what == "focus") {
        showFocus(out, form);
    } else if (what == "selection") {
        showSelection(out, form);
    } else {
        throw ScriptError("nothing to show called " + escapeText(what));
    }
}

}  // namespace xkr::script
