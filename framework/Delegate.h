#pragma once
// A handler reference: a window's method bound to that window, with the
// signature text its binding carries. The window is held weakly; a call holds
// it (and the sender) for the whole run of the handler.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/Object.h"

namespace fw {

struct EventArgs {
  int32_t x = 0, y = 0;
};

struct Delegate {
  std::string signature;
  std::function<bool(Object* sender, const EventArgs& args)> call;
  explicit operator bool() const { return static_cast<bool>(call); }
};

template <class W, class Sender>
Delegate MethodDelegate(W& window, void (W::*method)(Sender&), std::string signature) {
  std::weak_ptr<W> weak = std::static_pointer_cast<W>(window.shared_from_this());
  return {std::move(signature), [weak, method](Object* sender, const EventArgs&) {
            std::shared_ptr<W> self = weak.lock();
            if (!self) return false;
            if (!sender) throw NilObjectException("an event came without its control");
            std::shared_ptr<Object> hold = sender->shared_from_this();
            (self.get()->*method)(CastRef<Sender>(*sender));
            return false;
          }};
}

template <class W, class Sender>
Delegate MethodDelegate(W& window, bool (W::*method)(Sender&, int32_t, int32_t),
                        std::string signature) {
  std::weak_ptr<W> weak = std::static_pointer_cast<W>(window.shared_from_this());
  return {std::move(signature), [weak, method](Object* sender, const EventArgs& args) {
            std::shared_ptr<W> self = weak.lock();
            if (!self) return false;
            if (!sender) throw NilObjectException("an event came without its control");
            std::shared_ptr<Object> hold = sender->shared_from_this();
            return (self.get()->*method)(CastRef<Sender>(*sender), args.x, args.y);
          }};
}

template <class W>
Delegate MethodDelegate(W& window, bool (W::*method)(), std::string signature) {
  std::weak_ptr<W> weak = std::static_pointer_cast<W>(window.shared_from_this());
  return {std::move(signature), [weak, method](Object*, const EventArgs&) {
            std::shared_ptr<W> self = weak.lock();
            return self ? (self.get()->*method)() : false;
          }};
}

}  // namespace fw
