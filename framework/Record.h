#pragma once
// Design records: the byte strings that give a window or a control its
// design-time settings. Each entry is a key, one blank, and a value whose
// encoding the key's type decides (big-endian Int32, one-byte Boolean,
// three colour bytes, or a 4-byte length and UTF-8 text).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Value.h"

namespace fw {

class Object;

// The type of every key the records may hold, as the keys are written.
std::optional<ValueType> RecordKeyType(std::string_view key);
// How many keys the type table knows.
size_t RecordKeyCount();

class RecordBuilder {
 public:
  RecordBuilder& String(std::string_view key, std::string_view value);
  RecordBuilder& Int32(std::string_view key, int32_t value);
  RecordBuilder& Boolean(std::string_view key, bool value);
  RecordBuilder& Colour(std::string_view key, Color value);
  RecordBuilder& Add(std::string_view key, const Value& value);
  const std::string& Bytes() const { return bytes_; }

 private:
  void Key(std::string_view key, ValueType type);
  std::string bytes_;
};

struct RecordEntry {
  std::string key;
  Value value;
};

// Decodes a whole record; raises RecordException naming the key on an
// unknown key or a record that ends inside a key or a value.
std::vector<RecordEntry> DecodeRecord(std::string_view bytes);

// Applies a record to a window or a control: each key is matched to a
// property of the target's class or its bases without regard to case, and
// set in record order. An unknown key, a value of the wrong type or one the
// property's setter refuses stops the apply with a RecordException that names
// the key.
void SetProperties(Object& target, std::string_view record);

}  // namespace fw
