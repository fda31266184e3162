#pragma once
// The host's own modal windows: the owner is disabled while one runs, and the loop returns
// when the window has asked to end it (or the program is quitting).
#include <windows.h>

#include <string>

namespace demohost {

void RunModalLoop(HWND window, HWND owner, const bool& done);
// The window a modal host window should sit on: the active one (the assistant's, when it
// asks), else the fallback.
HWND ModalOwner(HWND fallback);
// Centres a top-level window over its owner, or on the screen.
void CentreOver(HWND window, HWND owner);
HFONT UiFont();
void ShowError(HWND owner, const std::string& text);

}  // namespace demohost
