#include "platform/ui/focus_order.h"

#include <algorithm>

#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"

namespace ui {
namespace {

void Collect(const Control& control, std::vector<Control*>& stops) {
  std::vector<Control*> children;
  for (const auto& child : control.Children()) children.push_back(child.get());
  std::stable_sort(children.begin(), children.end(),
                   [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
  for (Control* child : children) {
    // Visible down from the root: a form not shown yet still has its order.
    if (!child->Visible() || !child->Enabled()) continue;
    if (child->TabStop()) stops.push_back(child);
    Collect(*child, stops);
  }
}

}  // namespace

std::vector<Control*> TabOrder(const Control& root) {
  std::vector<Control*> stops;
  Collect(root, stops);
  return stops;
}

Control* FirstEdit(const Control& root) {
  for (Control* c : TabOrder(root)) {
    if (dynamic_cast<Edit*>(c) || dynamic_cast<ComboBox*>(c)) return c;
  }
  return nullptr;
}

void FocusOnEntry(Form& form, const Control& page, Control* fallback) {
  Control* first = FirstEdit(page);
  Control* target = first ? first : fallback;
  const bool already = target && form.CurrentFocus() == target;
  form.FocusOn(target);
  // A screen reader reads the new page from where the focus is, also when it stayed on Next.
  if (already) form.AccessibleChanged(*target, AccessibleEvent::Focus);
}

}  // namespace ui
