#pragma once
// What a control is to a screen reader, and what changed about it.

namespace ui {

enum class AccessibleRole {
  None,        // not shown to a screen reader; its children are, in its place
  Client,      // a form's client area
  Grouping,    // a page
  PushButton,
  StaticText,
  Graphic,
  Native,      // a native window, which the system describes
};

enum class AccessibleEvent { NameChange, StateChange, Focus };

// Control ids start here; smaller numbers are child positions.
inline constexpr int kFirstAccessibleId = 0x10000;

}  // namespace ui
