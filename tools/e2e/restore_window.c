/* Restores a minimised window as the task bar does (WM_SYSCOMMAND SC_RESTORE):
 *   restore_window.exe TITLE_PREFIX
 * Exits 0 when a visible top-level window whose title starts with the prefix was told. */
#include <string.h>
#include <wchar.h>
#include <windows.h>

static const wchar_t* g_prefix;
static HWND g_found;

static BOOL CALLBACK Match(HWND window, LPARAM unused) {
  wchar_t title[256];
  (void)unused;
  if (!IsWindowVisible(window) || !GetWindowTextW(window, title, 256)) return TRUE;
  if (wcsncmp(title, g_prefix, wcslen(g_prefix)) != 0) return TRUE;
  g_found = window;
  return FALSE;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  g_prefix = argv[1];
  EnumWindows(Match, 0);
  if (!g_found) return 1;
  PostMessageW(g_found, WM_SYSCOMMAND, SC_RESTORE, 0);
  return 0;
}
