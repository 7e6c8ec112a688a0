// Feeds arbitrary bytes to the design-record decoder and to the
// record-applying service: every input either applies or ends in the
// decoder's error; nothing crashes or reads past the end.
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/Record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    auto entries = fw::DecodeRecord(bytes);
    // A record that decodes encodes back to the same bytes.
    fw::RecordBuilder again;
    for (const auto& entry : entries) again.Add(entry.key, entry.value);
    if (again.Bytes() != bytes) __builtin_trap();
  } catch (const fw::RecordException&) {
  }
  auto label = std::make_shared<fw::Label>();
  try {
    fw::SetProperties(*label, bytes);
  } catch (const fw::RecordException&) {
  }
  auto popup = std::make_shared<fw::PopupMenu>();
  try {
    fw::SetProperties(*popup, bytes);
  } catch (const fw::RecordException&) {
  }
  return 0;
}
