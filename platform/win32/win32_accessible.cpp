#include "platform/win32/win32_accessible.h"

#include <oleacc.h>

#include <atomic>
#include <string>
#include <vector>

#include "platform/ui/accessible.h"
#include "platform/ui/form.h"
#include "platform/ui/windowed_control.h"
#include "platform/win32/event_guard.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_native_control.h"

namespace win32 {

// What the objects handed out share with the window; cleared when the window goes.
struct AccessibleLink {
  HWND window = nullptr;
  ui::Form* form = nullptr;
};

namespace {

// From the interface's declaration: the library's IID_IAccessible symbol does not link to data.
const IID& AccessibleIid() { return __uuidof(IAccessible); }

UINT PressMessage() {
  static const UINT message = RegisterWindowMessageW(L"TutorAccessiblePress");
  return message;
}

LONG RoleConstant(ui::AccessibleRole role) {
  switch (role) {
    case ui::AccessibleRole::Client: return ROLE_SYSTEM_CLIENT;
    case ui::AccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
    case ui::AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case ui::AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    case ui::AccessibleRole::Graphic: return ROLE_SYSTEM_GRAPHIC;
    case ui::AccessibleRole::Native:
    case ui::AccessibleRole::None: break;
  }
  return ROLE_SYSTEM_WINDOW;
}

HWND WindowOf(const ui::Control& control) {
  const auto* windowed = dynamic_cast<const ui::WindowedControl*>(&control);
  if (!windowed || !windowed->IsWindowed()) return nullptr;
  const auto* native = dynamic_cast<const Win32NativeControl*>(windowed->Native());
  return native ? native->Window() : nullptr;
}

HRESULT ReturnText(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocString(Widen(text).c_str());
  return *out ? S_OK : E_OUTOFMEMORY;
}

// One control (or, with id 0, the form's client area) as seen by a screen reader. It keeps
// the control's id, never its address, and finds the control again on every call.
class AccessibleNode final : public IAccessible, public IEnumVARIANT {
 public:
  AccessibleNode(std::shared_ptr<AccessibleLink> link, int id) : link_(std::move(link)), id_(id) {}

  // --- IUnknown ---
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == AccessibleIid()) {
      *out = static_cast<IAccessible*>(this);
    } else if (riid == IID_IEnumVARIANT) {
      *out = static_cast<IEnumVARIANT*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // --- IDispatch: screen readers call the methods directly ---
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // --- IAccessible ---
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    ui::Control* self = Self();
    if (!self) return RPC_E_DISCONNECTED;
    if (id_ == 0)
      return AccessibleObjectFromWindow(link_->window, DWORD(OBJID_WINDOW), IID_IDispatch,
                                        reinterpret_cast<void**>(out));
    ui::Control* parent = ui::AccessibleParent(*self);
    *out = new AccessibleNode(link_, parent == link_->form || !parent ? 0 : parent->AccessibleId());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    ui::Control* self = Self();
    if (!self) return RPC_E_DISCONNECTED;
    *count = long(ui::AccessibleChildren(*self).size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    ui::Control* target = nullptr;
    if (const HRESULT hr = Resolve(child, target); FAILED(hr)) return hr;
    if (target == Self() && !IsSelf(child)) return E_INVALIDARG;
    return ObjectOf(*target, out);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return WithInfo(child, [&](ui::Control& c, const ui::AccessibleInfo& info) {
      return ReturnText(&c == link_->form ? c.Caption() : info.name, out);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* out) override {
    if (out) *out = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    // The hint, when it adds to the name.
    return WithInfo(child, [&](ui::Control& c, const ui::AccessibleInfo& info) {
      return ReturnText(c.Hint() == info.name ? std::string() : c.Hint(), out);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    return WithInfo(child, [&](ui::Control&, const ui::AccessibleInfo& info) {
      out->vt = VT_I4;
      out->lVal = RoleConstant(info.role);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    return WithInfo(child, [&](ui::Control& c, const ui::AccessibleInfo& info) {
      LONG state = 0;
      if (info.unavailable) state |= STATE_SYSTEM_UNAVAILABLE;
      if (info.focusable) state |= STATE_SYSTEM_FOCUSABLE;
      if (info.focused) state |= STATE_SYSTEM_FOCUSED;
      if (!c.IsShowing()) state |= STATE_SYSTEM_INVISIBLE;
      out->vt = VT_I4;
      out->lVal = state;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override {
    if (out) *out = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return WithInfo(child, [&](ui::Control&, const ui::AccessibleInfo& info) {
      return ReturnText(info.shortcut, out);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    ui::Control* self = Self();
    if (!self) return RPC_E_DISCONNECTED;
    ui::Control* focus = link_->form->CurrentFocus();
    if (!focus) return S_FALSE;
    if (focus == self) {
      out->vt = VT_I4;
      out->lVal = CHILDID_SELF;
      return S_OK;
    }
    IDispatch* object = nullptr;
    if (FAILED(ObjectOf(*focus, &object)) || !object) return S_FALSE;
    out->vt = VT_DISPATCH;
    out->pdispVal = object;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
    if (out) VariantInit(out);
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    return WithInfo(child, [&](ui::Control&, const ui::AccessibleInfo& info) {
      return ReturnText(info.role == ui::AccessibleRole::PushButton ? "Press" : "", out);
    });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    ui::Control* target = nullptr;
    if (const HRESULT hr = Resolve(child, target); FAILED(hr)) return hr;
    if (!(flags & SELFLAG_TAKEFOCUS)) return DISP_E_MEMBERNOTFOUND;
    if (!target->TabStop() || !target->IsShowing() || !target->Enabled()) return S_FALSE;
    RunGuarded([&] { link_->form->FocusOn(target); });
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    ui::Control* target = nullptr;
    if (const HRESULT hr = Resolve(child, target); FAILED(hr)) return hr;
    const ui::Rect r = target == link_->form ? target->ClientRect() : target->FormBounds();
    POINT origin{r.left, r.top};
    ClientToScreen(link_->window, &origin);
    *left = origin.x;
    *top = origin.y;
    *width = r.Width();
    *height = r.Height();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    ui::Control* from = nullptr;
    if (const HRESULT hr = Resolve(start, from); FAILED(hr)) return hr;
    ui::Control* found = nullptr;
    if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
      const auto children = ui::AccessibleChildren(*from);
      if (!children.empty()) found = direction == NAVDIR_FIRSTCHILD ? children.front() : children.back();
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
      ui::Control* parent = ui::AccessibleParent(*from);
      if (!parent) return S_FALSE;
      const auto siblings = ui::AccessibleChildren(*parent);
      for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i] != from) continue;
        if (direction == NAVDIR_NEXT && i + 1 < siblings.size()) found = siblings[i + 1];
        if (direction == NAVDIR_PREVIOUS && i > 0) found = siblings[i - 1];
      }
    } else {
      return E_NOTIMPL;
    }
    if (!found) return S_FALSE;
    IDispatch* object = nullptr;
    if (FAILED(ObjectOf(*found, &object)) || !object) return S_FALSE;
    out->vt = VT_DISPATCH;
    out->pdispVal = object;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    ui::Control* self = Self();
    if (!self) return RPC_E_DISCONNECTED;
    POINT p{x, y};
    ScreenToClient(link_->window, &p);
    ui::Control* hit = link_->form->ControlAt({p.x, p.y});
    if (!hit) return S_FALSE;
    // The nearest control a screen reader knows, at or below this one.
    while (hit && hit != self && ui::Describe(*hit).role == ui::AccessibleRole::None) hit = hit->Parent();
    if (!hit || hit == self) {
      out->vt = VT_I4;
      out->lVal = CHILDID_SELF;
      return S_OK;
    }
    IDispatch* object = nullptr;
    if (FAILED(ObjectOf(*hit, &object)) || !object) return S_FALSE;
    out->vt = VT_DISPATCH;
    out->pdispVal = object;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    ui::Control* target = nullptr;
    if (const HRESULT hr = Resolve(child, target); FAILED(hr)) return hr;
    const ui::AccessibleInfo info = ui::Describe(*target);
    if (info.role != ui::AccessibleRole::PushButton) return DISP_E_MEMBERNOTFOUND;
    if (info.unavailable || !target->IsShowing()) return E_FAIL;
    // Pressed once this call has returned: the button may open a dialog that the caller
    // wants to read.
    if (!PostMessageW(link_->window, PressMessage(), WPARAM(target->AccessibleId()), 0))
      return E_FAIL;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  // --- IEnumVARIANT: the children, as objects ---
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    if (fetched) *fetched = 0;
    if (!items) return E_POINTER;
    ui::Control* self = Self();
    if (!self) return RPC_E_DISCONNECTED;
    const auto children = ui::AccessibleChildren(*self);
    ULONG given = 0;
    while (given < count && cursor_ < children.size()) {
      VariantInit(&items[given]);
      IDispatch* object = nullptr;
      ObjectOf(*children[cursor_++], &object);
      if (!object) continue;
      items[given].vt = VT_DISPATCH;
      items[given].pdispVal = object;
      ++given;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    cursor_ += count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    cursor_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (!out) return E_POINTER;
    auto* copy = new AccessibleNode(link_, id_);
    copy->cursor_ = cursor_;
    *out = copy;
    return S_OK;
  }

 private:
  ~AccessibleNode() = default;

  ui::Control* Self() const {
    if (!link_->form) return nullptr;
    if (id_ == 0) return link_->form;
    return ui::FindAccessible(*link_->form, id_);
  }

  static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

  // A child number: CHILDID_SELF, a position among the children (1-based), or a control's
  // AccessibleId (what the window's events name).
  HRESULT Resolve(const VARIANT& child, ui::Control*& out) const {
    out = nullptr;
    ui::Control* self = Self();
    if (!self) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF) {
      out = self;
      return S_OK;
    }
    if (child.lVal >= ui::kFirstAccessibleId) {
      out = ui::FindAccessible(*self, int(child.lVal));
    } else if (child.lVal > 0) {
      const auto children = ui::AccessibleChildren(*self);
      if (size_t(child.lVal) <= children.size()) out = children[size_t(child.lVal - 1)];
    }
    return out ? S_OK : E_INVALIDARG;
  }

  template <class F>
  HRESULT WithInfo(const VARIANT& child, F&& f) const {
    ui::Control* target = nullptr;
    if (const HRESULT hr = Resolve(child, target); FAILED(hr)) return hr;
    return f(*target, ui::Describe(*target));
  }

  // A native window describes itself (its client area holds its role, text and state);
  // everything else gets an object of ours.
  HRESULT ObjectOf(ui::Control& control, IDispatch** out) const {
    *out = nullptr;
    if (HWND window = WindowOf(control))
      return AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), IID_IDispatch,
                                        reinterpret_cast<void**>(out));
    if (ui::Describe(control).role == ui::AccessibleRole::Native) return S_FALSE;
    *out = new AccessibleNode(link_, &control == link_->form ? 0 : control.AccessibleId());
    return S_OK;
  }

  std::shared_ptr<AccessibleLink> link_;
  int id_;
  std::atomic<ULONG> refs_{1};
  size_t cursor_ = 0;
};

DWORD EventConstant(ui::AccessibleEvent event) {
  switch (event) {
    case ui::AccessibleEvent::NameChange: return EVENT_OBJECT_NAMECHANGE;
    case ui::AccessibleEvent::StateChange: return EVENT_OBJECT_STATECHANGE;
    case ui::AccessibleEvent::Focus: return EVENT_OBJECT_FOCUS;
  }
  return EVENT_OBJECT_NAMECHANGE;
}

}  // namespace

FormAccessibility::FormAccessibility(HWND window, ui::Form& form)
    : window_(window), link_(std::make_shared<AccessibleLink>()) {
  link_->window = window;
  link_->form = &form;
}

FormAccessibility::~FormAccessibility() {
  link_->window = nullptr;
  link_->form = nullptr;
}

bool FormAccessibility::GetObject(WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (LONG(lparam) != LONG(OBJID_CLIENT)) return false;
  auto* root = new AccessibleNode(link_, 0);
  result = LresultFromObject(AccessibleIid(), wparam, static_cast<IAccessible*>(root));
  root->Release();  // LresultFromObject holds its own reference
  return true;
}

bool FormAccessibility::HandlePosted(UINT message, WPARAM wparam) {
  if (message != PressMessage()) return false;
  if (link_->form) {
    if (ui::Control* target = ui::FindAccessible(*link_->form, int(wparam))) ui::PressAccessible(*target);
  }
  return true;
}

void FormAccessibility::Notify(ui::AccessibleEvent event, int id) {
  if (!window_ || !IsWindow(window_)) return;
  // The window's own name is its title (the step); everything else is in the client area.
  if (id == 0) {
    NotifyWinEvent(EventConstant(event), window_, OBJID_WINDOW, CHILDID_SELF);
    NotifyWinEvent(EventConstant(event), window_, OBJID_CLIENT, CHILDID_SELF);
  } else {
    NotifyWinEvent(EventConstant(event), window_, OBJID_CLIENT, LONG(id));
  }
}

}  // namespace win32
