// Screen readers announce an input as required, and a marker stands beside it, from the layout's
// flag; Save must refuse an entry without that input exactly then. A flag that disagrees either
// way passes every other test.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "control/VendorPayTo.h"
#include "view/Layout.h"
#include "view/UserActions.h"

namespace xkr {
namespace {

bool savedWithout(const layout::Item& left) {
    VendorPayTo control;
    control.setMessageBox([](const std::string&, const std::string&, int) { return msgbox::ok; });
    control.LetContactAddress("^3|Net 30|30 days~^10|1|IL|Illinois~", "|", "~", "^");
    control.LetVendorIDNMode(1234, true);
    EditorForm& form = control.form();
    user::press(form.cmdAdd);
    // Add empties every input; the one left out stays so.
    for (int i = 0; i < static_cast<int>(layout::textBoxCount); ++i) {
        if (&form.txtContact(i) != form.findControl(left.name, left.index))
            user::type(form.txtContact(i), i == layout::serialBox ? "07" : "x");
    }
    // The USA's one state is chosen with the country; no state belongs to Others.
    const bool stateLeft = form.findControl(left.name) == &form.cboContactState;
    const int country = stateLeft ? layout::country::others : layout::country::usa;
    for (auto [combo, index] :
         {std::pair{&form.cboContactCountry, country}, std::pair{&form.cboContactState, 0},
          std::pair{&form.cboContactType, 0}}) {
        if (combo != form.findControl(left.name))
            user::pick(*combo, index);
    }
    user::press(form.cmdAdd);
    return control.table().recordCount() == 1;
}

TEST(RequiredInputs, AreExactlyTheOnesSaveCannotDoWithout) {
    int inputs = 0;
    for (const layout::Item& item : layout::items) {
        if (item.kind != layout::Kind::TextBox && item.kind != layout::Kind::ComboBox)
            continue;
        ++inputs;
        EXPECT_EQ(savedWithout(item), !item.required) << item.name << ' ' << item.index;
    }
    EXPECT_EQ(inputs, 14);
}

}  // namespace
}  // namespace xkr
