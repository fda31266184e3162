#include "platform/ui/application.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "platform/ui/action.h"
#include "platform/ui/errors.h"

namespace ui {
namespace {
Application* g_app = nullptr;
}

Application::Application(Backend& backend) : backend_(&backend) {
  assert(!g_app && "one application per process");
  g_app = this;
}

Application::~Application() { g_app = nullptr; }

Application& Application::Instance() {
  assert(g_app && "no application");
  return *g_app;
}

bool Application::Exists() { return g_app != nullptr; }

void Application::HandleException(std::exception_ptr error) noexcept {
  try {
    std::rethrow_exception(error);
  } catch (const Abort&) {
    // A declined question: nothing to show.
  } catch (const std::exception& e) {
    try {
      if (OnException)
        OnException(e);
      else
        ShowException(e);
    } catch (...) {
      // The error display itself failed; there is nowhere left to report it.
    }
  } catch (...) {
    try {
      ShowException(Error("Unknown error"));
    } catch (...) {
    }
  }
}

void Application::ShowException(const std::exception& e) { backend_->ShowErrorBox(e.what()); }

void Application::Idle() {
  // Handlers may create or destroy lists (a page built on demand): walk a snapshot and
  // skip lists that died meanwhile. The snapshot lives on the stack while the lists are
  // few (a window and its page), so an idle pass allocates nothing.
  const std::vector<ActionList*>& live = ActionList::LiveLists();
  constexpr size_t kFew = 16;
  std::array<ActionList*, kFew> few;
  std::vector<ActionList*> many;
  ActionList* const* snapshot = few.data();
  const size_t count = live.size();
  if (count <= kFew) {
    std::copy(live.begin(), live.end(), few.begin());
  } else {
    many = live;
    snapshot = many.data();
  }
  for (size_t i = 0; i < count; ++i) {
    ActionList* list = snapshot[i];
    if (std::find(live.begin(), live.end(), list) == live.end()) continue;
    Guard([&] { list->UpdateActions(); });
  }
}

void Application::SetOverrideCursor(Cursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  backend_->SetOverrideCursor(cursor);
}

BusyCursor::BusyCursor() : previous_(Application::Instance().OverrideCursor()) {
  Application::Instance().SetOverrideCursor(Cursor::HourGlass);
}

BusyCursor::~BusyCursor() { Application::Instance().SetOverrideCursor(previous_); }

}  // namespace ui
