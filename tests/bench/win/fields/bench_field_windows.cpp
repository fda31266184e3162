// What the window system itself charges for handing a page's fields to the next page: six
// edits leave their places on one page for their places on the next, in the three orders a
// step change could use. Reports medians of the window calls alone (the paint that follows
// is the same for all three); it judges nothing.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "tests/bench/win/timing.h"

namespace {

constexpr int kFields = 6;
constexpr int kRounds = 15;

using bench::Median;
using bench::NowMs;

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EndPaint(window, &ps);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// Lets every paint and notice of the last step change through, as the message loop would.
void Settle(HWND form) {
  InvalidateRect(form, nullptr, FALSE);
  UpdateWindow(form);
  MSG msg;
  const DWORD end = GetTickCount() + 60;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(2);
  } while (GetTickCount() < end);
}

// The two pages' places for the fields: the next page's are lower and wider.
RECT Place(int field, bool nextPage) {
  const int top = (nextPage ? 130 : 100) + 40 * field;
  return RECT{100, top, nextPage ? 340 : 300, top + 24};
}

void MoveShown(HWND field, const RECT& r, UINT flags) {
  SetWindowPos(field, HWND_BOTTOM, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE | flags);
}

constexpr UINT kQuietHide =
    SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

int main() {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSEXW formClass{};
  formClass.cbSize = sizeof(formClass);
  formClass.lpfnWndProc = FormProc;
  formClass.hInstance = module;
  formClass.lpszClassName = L"FieldWindowsForm";
  RegisterClassExW(&formClass);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HWND form = CreateWindowExW(0, formClass.lpszClassName, L"Field windows",
                              WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                              nullptr, nullptr, module, nullptr);
  HWND fields[kFields];
  for (int i = 0; i < kFields; ++i) {
    const RECT r = Place(i, false);
    fields[i] = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"Acme Trading",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP |
                                    ES_AUTOHSCROLL,
                                r.left, r.top, r.right - r.left, r.bottom - r.top, form, nullptr,
                                module, nullptr);
  }
  Settle(form);

  std::vector<double> hide, show, shownMove, deferredHide, deferredShow;
  // Each way starts from the places the last one left the fields in.
  bool nextPage = false;
  for (int round = 0; round < kRounds; ++round) {
    // What the step change does: hidden as their page goes, placed and shown by the next.
    nextPage = !nextPage;
    double t0 = NowMs();
    for (HWND field : fields) SetWindowPos(field, nullptr, 0, 0, 0, 0, kQuietHide);
    double t1 = NowMs();
    for (int i = 0; i < kFields; ++i) MoveShown(fields[i], Place(i, nextPage), SWP_SHOWWINDOW);
    double t2 = NowMs();
    hide.push_back(t1 - t0);
    show.push_back(t2 - t1);
    Settle(form);

    // Handed over still shown: one call a field, but a shown window's move exposes both places.
    nextPage = !nextPage;
    t0 = NowMs();
    for (int i = 0; i < kFields; ++i) MoveShown(fields[i], Place(i, nextPage), SWP_NOCOPYBITS);
    shownMove.push_back(NowMs() - t0);
    Settle(form);

    // The first order, batched.
    nextPage = !nextPage;
    t0 = NowMs();
    HDWP batch = BeginDeferWindowPos(kFields);
    for (HWND field : fields) batch = DeferWindowPos(batch, field, nullptr, 0, 0, 0, 0, kQuietHide);
    EndDeferWindowPos(batch);
    t1 = NowMs();
    batch = BeginDeferWindowPos(kFields);
    for (int i = 0; i < kFields; ++i) {
      const RECT r = Place(i, nextPage);
      batch = DeferWindowPos(batch, fields[i], HWND_BOTTOM, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    EndDeferWindowPos(batch);
    t2 = NowMs();
    deferredHide.push_back(t1 - t0);
    deferredShow.push_back(t2 - t1);
    Settle(form);
  }
  DestroyWindow(form);

  std::printf("%d edits handed to the next page, %dx%d screen, medians of %d rounds (ms):\n",
              kFields, width, height, kRounds);
  std::printf("  hidden, then placed and shown:   %6.2f + %6.2f = %6.2f\n", Median(hide),
              Median(show), Median(hide) + Median(show));
  std::printf("  placed while shown:              %6.2f\n", Median(shownMove));
  std::printf("  hidden, then placed, batched:    %6.2f + %6.2f = %6.2f\n", Median(deferredHide),
              Median(deferredShow), Median(deferredHide) + Median(deferredShow));
  return 0;
}
