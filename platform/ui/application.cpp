#include "platform/ui/application.h"

#include <algorithm>
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
  // skip lists that died meanwhile.
  const std::vector<ActionList*> snapshot = ActionList::LiveLists();
  for (ActionList* list : snapshot) {
    const auto& live = ActionList::LiveLists();
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
