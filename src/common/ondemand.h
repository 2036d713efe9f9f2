#pragma once
// A part of a window that is made the first time anything uses it: a file
// dialog, a printer or a chart view that many evenings never need, so the
// start does not pay for them. It stands where the part's pointer would
// stand, under the part's name: `->` and every place that takes the
// pointer make the part first, so it exists whenever code or a test reaches
// it by its member. Only a search by object name before that use finds
// nothing (made() tells whether it exists yet).

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

namespace kvadus {

template <typename T>
class OnDemand {
 public:
  OnDemand() = default;
  OnDemand(const OnDemand&) = delete;
  OnDemand& operator=(const OnDemand&) = delete;
  ~OnDemand() {
    if (object_ && drop_) drop_(object_);
  }

  // How the part is made. A widget belongs to the parent its maker gives
  // it; anything else (a printer) belongs here.
  void setMaker(std::function<T*()> make) {
    make_ = std::move(make);
    if constexpr (!std::is_base_of_v<QObject, T>) drop_ = [](T* object) { delete object; };
  }

  T* get() const {
    if (!object_) object_ = make_();
    return object_;
  }
  T* operator->() const { return get(); }
  T& operator*() const { return *get(); }
  operator T*() const { return get(); }
  bool made() const { return object_ != nullptr; }
  // The part when it has been made, else nullptr (nothing is made).
  T* ifMade() const { return object_; }
  // Hands the part over (nullptr when it was never made) and forgets it;
  // the next use makes it anew.
  T* release() { return std::exchange(object_, nullptr); }

 private:
  std::function<T*()> make_;
  void (*drop_)(T*) = nullptr;
  mutable T* object_ = nullptr;
};

}  // namespace kvadus
