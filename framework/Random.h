#pragma once
// A random-number source: each new object draws its own stream, seeded by the
// framework, so that objects made one after another draw independently.
#include <memory>

#include "framework/Object.h"
#include "framework/Services.h"

namespace fw {

class Random : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  Random() : source_(TheServices().NewRandomSource()) {}
  // A uniform integer from low to high, both included.
  int32_t InRange(int32_t low, int32_t high) { return source_->InRange(low, high); }

 private:
  std::unique_ptr<RandomSource> source_;
};

// The current date and time, and its short text form in the user's locale.
class Date : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  Date() : value_(TheServices().Now()) {}
  std::string ShortDate() const { return TheServices().ShortDate(value_); }
  const DateTime& Value() const { return value_; }

 private:
  DateTime value_;
};

}  // namespace fw
