#pragma once
// A reference-counted interface reference: AddRef on copy, Release when dropped.
#include <utility>

namespace com {

template <class T>
class Ptr {
 public:
  Ptr() = default;
  Ptr(T* p) : p_(p) {  // NOLINT: takes a new reference, like an interface assignment
    if (p_) p_->AddRef();
  }
  Ptr(const Ptr& o) : Ptr(o.p_) {}
  Ptr(Ptr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ~Ptr() { Reset(); }
  Ptr& operator=(Ptr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }

  // Adopts a reference handed out through an [out] parameter.
  static Ptr Adopt(T* p) {
    Ptr r;
    r.p_ = p;
    return r;
  }
  // For [out] parameters: drops the old reference first.
  T** Out() {
    Reset();
    return &p_;
  }

  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace com
