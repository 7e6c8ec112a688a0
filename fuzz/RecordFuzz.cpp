// Feeds arbitrary bytes to the design-record decoder and to the
// record-applying service, on a window and on every control class: every
// input either applies or ends in the record error; nothing crashes, reads
// past the end or escapes as another exception.
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/DesignRecords.h"
#include "framework/Record.h"
#include "framework/Window.h"

namespace {

// Every control class a design names: each gets the record, as each can be
// given a damaged one.
constexpr fw::DesignClass kControlClasses[] = {
    fw::DesignClass::PopupMenu,      fw::DesignClass::ComboBox,   fw::DesignClass::CheckBox,
    fw::DesignClass::RoundRectangle, fw::DesignClass::TextField,  fw::DesignClass::TextArea,
    fw::DesignClass::Label,          fw::DesignClass::PushButton, fw::DesignClass::Listbox,
    fw::DesignClass::Timer};

void Apply(fw::Object& target, std::string_view bytes) {
  try {
    fw::SetProperties(target, bytes);
  } catch (const fw::RecordException&) {
  }
}

}  // namespace

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
  // A window without its construction: no view, no runtime, only its
  // properties.
  Apply(*std::make_shared<fw::Window>(), bytes);
  for (fw::DesignClass cls : kControlClasses) Apply(*fw::NewDesignedControl(cls), bytes);
  return 0;
}
