#pragma once
// The order in which Tab visits a form's controls, and where the focus lands on a new page.
#include <vector>

namespace ui {

class Control;
class Form;

// The tab stops under `root` that can take the focus (visible below root, enabled), depth
// first; siblings by TabOrder, equal ones in tree order.
std::vector<Control*> TabOrder(const Control& root);
// The first edit or combo box of `root`'s tab order, or nullptr.
Control* FirstEdit(const Control& root);
// Puts the focus on `page`'s first edit, or on `fallback` when it has none.
void FocusOnEntry(Form& form, const Control& page, Control* fallback);

}  // namespace ui
