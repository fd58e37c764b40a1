#pragma once
#include <cstdint>

#include "core/status.h"
#include "toolkit/types.h"

class TObject {
 public:
  virtual ~TObject() = default;
};

// An event handler: a method bound to the object that owns it, as a form
// designer wires `Button1.OnClick` to `TForm1::Button1Click`. Handlers report
// an unexpected failure by their Status; the application shows it in its
// standard error box.
template <class... Args>
class TEvent {
 public:
  TEvent() = default;

  template <auto Method, class Owner>
  static TEvent Of(Owner* owner) {
    TEvent event;
    event.owner_ = owner;
    event.call_ = [](void* target, Args... args) {
      return (static_cast<Owner*>(target)->*Method)(args...);
    };
    return event;
  }

  explicit operator bool() const { return call_ != nullptr; }
  Status operator()(Args... args) const { return call_ ? call_(owner_, args...) : Status::Ok(); }

 private:
  void* owner_ = nullptr;
  Status (*call_)(void*, Args...) = nullptr;
};

using TNotifyEvent = TEvent<TObject*>;
using TKeyEvent = TEvent<TObject*, std::uint16_t&, TShiftState>;
