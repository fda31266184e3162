/* A screen reader's view of a window, through the client side of Active Accessibility.
 *
 *   msaa_probe.exe dump TITLE          prints the accessible tree of the client area, one
 *                                      object a line: depth, role, state (hex), shortcut, name
 *   msaa_probe.exe press TITLE NAME    accDoDefaultAction on the first push button so named
 *
 * TITLE is a part of the top-level window's title, or "-" for the window in the foreground
 * (the untitled message dialog). Exit code 0 on success, 1 when the window or the button is
 * not found, 2 on a failing call. */
#define COBJMACROS
#include <windows.h>
/* The interface ids defined here: the import library's IID_IAccessible is no data. */
#include <initguid.h>
#include <oleacc.h>
#include <stdio.h>
#include <wchar.h>

static const wchar_t* g_title;
static HWND g_found;

static BOOL CALLBACK FindTitled(HWND window, LPARAM unused) {
  wchar_t text[256];
  (void)unused;
  if (!IsWindowVisible(window)) return TRUE;
  if (GetWindowTextW(window, text, 256) > 0 && wcsstr(text, g_title)) {
    g_found = window;
    return FALSE;
  }
  return TRUE;
}

static HWND FindTarget(const wchar_t* title) {
  if (wcscmp(title, L"-") == 0) return GetForegroundWindow();
  g_title = title;
  g_found = NULL;
  EnumWindows(FindTitled, 0);
  return g_found;
}

static void Print(const wchar_t* text) {
  char utf8[2048];
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
  fputs(utf8, stdout);
}

static const wchar_t* RoleName(long role) {
  switch (role) {
    case ROLE_SYSTEM_CLIENT: return L"client";
    case ROLE_SYSTEM_GROUPING: return L"grouping";
    case ROLE_SYSTEM_PUSHBUTTON: return L"pushbutton";
    case ROLE_SYSTEM_STATICTEXT: return L"statictext";
    case ROLE_SYSTEM_GRAPHIC: return L"graphic";
    case ROLE_SYSTEM_WINDOW: return L"window";
    case ROLE_SYSTEM_TEXT: return L"text";
    case ROLE_SYSTEM_CHECKBUTTON: return L"checkbutton";
    case ROLE_SYSTEM_COMBOBOX: return L"combobox";
    default: return L"other";
  }
}

static VARIANT Self(void) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = CHILDID_SELF;
  return v;
}

static long RoleOf(IAccessible* acc) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(IAccessible_get_accRole(acc, Self(), &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

static BOOL NameIs(IAccessible* acc, const wchar_t* name) {
  BSTR got = NULL;
  BOOL same = FALSE;
  if (IAccessible_get_accName(acc, Self(), &got) == S_OK && got) same = wcscmp(got, name) == 0;
  SysFreeString(got);
  return same;
}

static void PrintOne(IAccessible* acc, int depth) {
  BSTR name = NULL, shortcut = NULL;
  VARIANT state;
  wchar_t line[64];
  VariantInit(&state);
  IAccessible_get_accName(acc, Self(), &name);
  IAccessible_get_accKeyboardShortcut(acc, Self(), &shortcut);
  IAccessible_get_accState(acc, Self(), &state);
  swprintf(line, 64, L"%d\t%ls\t%08lx\t", depth, RoleName(RoleOf(acc)),
           state.vt == VT_I4 ? (unsigned long)state.lVal : 0ul);
  Print(line);
  Print(shortcut ? shortcut : L"");
  Print(L"\t");
  Print(name ? name : L"");
  Print(L"\n");
  SysFreeString(name);
  SysFreeString(shortcut);
}

/* Visits `acc` and its children depth first; stops at the first push button named `press`
 * (when given) and presses it. Returns 1 when pressed, 0 otherwise, -1 on a failing press. */
static int Walk(IAccessible* acc, int depth, const wchar_t* press) {
  long count = 0, i;
  if (press) {
    if (RoleOf(acc) == ROLE_SYSTEM_PUSHBUTTON && NameIs(acc, press))
      return SUCCEEDED(IAccessible_accDoDefaultAction(acc, Self())) ? 1 : -1;
  } else {
    PrintOne(acc, depth);
  }
  /* Native windows describe themselves: their inner parts are not the assistant's. */
  if (depth > 0 && RoleOf(acc) == ROLE_SYSTEM_WINDOW) return 0;
  if (FAILED(IAccessible_get_accChildCount(acc, &count))) return 0;
  for (i = 1; i <= count; ++i) {
    VARIANT which;
    IDispatch* child = NULL;
    IAccessible* childAcc = NULL;
    int result = 0;
    VariantInit(&which);
    which.vt = VT_I4;
    which.lVal = i;
    if (IAccessible_get_accChild(acc, which, &child) != S_OK || !child) continue;
    if (SUCCEEDED(IDispatch_QueryInterface(child, &IID_IAccessible, (void**)&childAcc))) {
      result = Walk(childAcc, depth + 1, press);
      IAccessible_Release(childAcc);
    }
    IDispatch_Release(child);
    if (result != 0) return result;
  }
  return 0;
}

int wmain(int argc, wchar_t** argv) {
  HWND window;
  IAccessible* acc = NULL;
  HRESULT hr;
  int result;
  if (argc < 3 || (wcscmp(argv[1], L"press") == 0 && argc < 4)) {
    fputs("usage: msaa_probe dump TITLE | press TITLE NAME\n", stderr);
    return 2;
  }
  CoInitialize(NULL);
  window = FindTarget(argv[2]);
  if (!window) {
    fputs("no such window\n", stderr);
    return 1;
  }
  hr = AccessibleObjectFromWindow(window, (DWORD)OBJID_CLIENT, &IID_IAccessible, (void**)&acc);
  if (FAILED(hr) || !acc) {
    fprintf(stderr, "AccessibleObjectFromWindow failed: 0x%08lx\n", (unsigned long)hr);
    return 2;
  }
  result = Walk(acc, 0, wcscmp(argv[1], L"press") == 0 ? argv[3] : NULL);
  IAccessible_Release(acc);
  fflush(stdout);
  if (wcscmp(argv[1], L"press") == 0) {
    if (result == 1) puts("pressed");
    return result == 1 ? 0 : result == 0 ? 1 : 2;
  }
  return 0;
}
