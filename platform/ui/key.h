#pragma once

namespace ui {

// The keys a form handles itself, whatever control is under the mouse.
enum class Key { Enter, Escape, Space, Tab, Left, Right, Up, Down };

}  // namespace ui
