#include "mainwindow/Window1Records.h"

#include <vector>

#include "framework/Exceptions.h"
#include "mainwindow/Contact.h"

namespace window1 {

namespace {

using K = ControlClass;
constexpr fw::Color kRed{0xFF, 0x00, 0x00}, kGreen{0x00, 0xFF, 0x00},
    kMagenta{0xFF, 0x00, 0xFF}, kOrange{0xFF, 0x80, 0x00}, kBlue{0x66, 0x66, 0xFF};
constexpr fw::DesignExtras kCentred{.centred = true};

// The two-line question at the top; CR is the records' line break.
constexpr const char* kHeading =
    "What if we had a quandrel in 2012?\rHow often would the strongest team win?";

// name, class, left, top, width, height, text, enabled, visible, text size,
// bold, underline, parent frame, tab index, extras
const ControlDesign kControls[] = {
    {"PopupMenu1", K::PopupMenu, 23, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 0, {}},
    {"PopupMenu2", K::PopupMenu, 115, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 1, {}},
    {"PopupMenu3", K::PopupMenu, 207, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 2, {}},
    {"PopupMenu4", K::PopupMenu, 299, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 3, {}},
    {"PopupMenu5", K::PopupMenu, 391, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 4, {}},
    {"PopupMenu6", K::PopupMenu, 483, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 5, {}},
    {"PopupMenu7", K::PopupMenu, 575, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 6, {}},
    {"PopupMenu8", K::PopupMenu, 667, 47, 80, 20, "", 1, 1, 9, 0, 0, "", 7, {}},
    {"PopupMenu9", K::PopupMenu, 29, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 8, {}},
    {"PopupMenu10", K::PopupMenu, 114, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 9, {}},
    {"PopupMenu11", K::PopupMenu, 206, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 10, {}},
    {"PopupMenu12", K::PopupMenu, 298, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 11, {}},
    {"PopupMenu13", K::PopupMenu, 390, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 12, {}},
    {"PopupMenu14", K::PopupMenu, 482, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 13, {}},
    {"PopupMenu15", K::PopupMenu, 574, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 14, {}},
    {"PopupMenu16", K::PopupMenu, 666, 87, 80, 20, "", 0, 1, 9, 0, 0, "", 15, {}},
    {"CheckBox1", K::CheckBox, 759, 44, 58, 20, "DONE", 1, 1, 9, 0, 0, "", 16, {}},
    {"CheckBox2", K::CheckBox, 758, 88, 58, 20, "DONE", 0, 1, 9, 0, 0, "", 17, {}},
    {"RoundRectangle1", K::RoundRectangle, 20, 120, 172, 129, "", 1, 1, 0, 0, 0, "", 18,
     {.colour = kRed}},
    {"PopupMenu17", K::PopupMenu, 23, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle1", 0, {}},
    {"PopupMenu18", K::PopupMenu, 106, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle1", 1, {}},
    {"TextField1", K::TextField, 29, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle1", 2, {}},
    {"TextField2", K::TextField, 126, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle1", 3, {}},
    {"Label1", K::Label, 56, 126, 100, 20, "Pasta Bowl", 1, 1, 0, 0, 0, "RoundRectangle1", 4,
     kCentred},
    {"PushButton1", K::PushButton, 66, 215, 80, 20, "Play", 0, 1, 10, 0, 0, "RoundRectangle1", 5,
     {}},
    {"RoundRectangle2", K::RoundRectangle, 204, 120, 172, 129, "", 1, 1, 0, 0, 0, "", 21,
     {.colour = kGreen}},
    {"PopupMenu19", K::PopupMenu, 207, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle2", 0, {}},
    {"PopupMenu20", K::PopupMenu, 290, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle2", 1, {}},
    {"TextField3", K::TextField, 213, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle2", 2, {}},
    {"TextField4", K::TextField, 310, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle2", 3, {}},
    {"Label2", K::Label, 240, 126, 100, 20, "Salad Bowl", 1, 1, 0, 0, 0, "RoundRectangle2", 4,
     kCentred},
    {"PushButton2", K::PushButton, 250, 215, 80, 20, "Play", 0, 1, 10, 0, 0, "RoundRectangle2", 5,
     {}},
    {"RoundRectangle3", K::RoundRectangle, 391, 120, 172, 129, "", 1, 1, 0, 0, 0, "", 24,
     {.colour = kMagenta}},
    {"Label3", K::Label, 427, 126, 100, 20, "Cereal Bowl", 1, 1, 0, 0, 0, "RoundRectangle3", 4,
     kCentred},
    {"PopupMenu22", K::PopupMenu, 477, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle3", 6, {}},
    {"PopupMenu21", K::PopupMenu, 391, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle3", 7, {}},
    {"PushButton3", K::PushButton, 427, 215, 80, 20, "Play", 0, 1, 10, 0, 0, "RoundRectangle3", 8,
     {}},
    {"TextField5", K::TextField, 402, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle3", 9, {}},
    {"TextField6", K::TextField, 497, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle3", 10, {}},
    {"RoundRectangle4", K::RoundRectangle, 575, 120, 172, 129, "", 1, 1, 0, 0, 0, "", 28,
     {.colour = kOrange}},
    {"Label4", K::Label, 611, 126, 100, 20, "Soup Bowl", 1, 1, 0, 0, 0, "RoundRectangle4", 0,
     kCentred},
    {"TextField7", K::TextField, 587, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle4", 1, {}},
    {"TextField8", K::TextField, 687, 159, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle4", 2, {}},
    {"PopupMenu23", K::PopupMenu, 579, 193, 80, 20, "", 0, 1, 9, 0, 0, "RoundRectangle4", 3, {}},
    {"PushButton4", K::PushButton, 625, 215, 80, 20, "Play", 0, 1, 10, 0, 0, "RoundRectangle4", 4,
     {}},
    // Lies over the Soup Bowl frame by one pixel but belongs to the window.
    {"PopupMenu24", K::PopupMenu, 668, 193, 80, 20, "", 0, 1, 9, 0, 0, "", 29, {}},
    {"Label5", K::Label, 23, 15, 100, 20, "Teams:", 1, 1, 0, 0, 0, "", 30, {}},
    {"Label6", K::Label, 22, 67, 100, 20, "Strength:", 1, 1, 0, 0, 0, "", 31, {}},
    {"Label7", K::Label, 204, 3, 445, 39, kHeading, 1, 1, 0, 1, 0, "", 32,
     {.centred = true, .multiline = true}},
    {"RoundRectangle5", K::RoundRectangle, 310, 385, 202, 112, "", 1, 1, 0, 0, 0, "", 34, {}},
    {"Label19", K::Label, 361, 394, 100, 20, "Silver Bowl", 1, 1, 0, 0, 0, "RoundRectangle5", 0,
     kCentred},
    {"Label20", K::Label, 320, 419, 77, 20, "TEAM: TBA", 1, 1, 9, 1, 1, "RoundRectangle5", 1, {}},
    {"Label21", K::Label, 401, 419, 100, 20, "TEAM: TBA", 1, 1, 9, 1, 1, "RoundRectangle5", 2, {}},
    {"TextField13", K::TextField, 320, 442, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle5", 3, {}},
    {"TextField14", K::TextField, 401, 442, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle5", 4, {}},
    {"Label23", K::Label, 493, 473, 13, 20, "", 1, 0, 0, 0, 0, "RoundRectangle5", 5, {}},
    {"PushButton7", K::PushButton, 361, 472, 80, 20, "Play", 0, 1, 0, 0, 0, "RoundRectangle5", 6,
     {}},
    {"Label22", K::Label, 310, 473, 16, 20, "", 1, 0, 0, 0, 0, "RoundRectangle5", 7, {}},
    {"RoundRectangle6", K::RoundRectangle, 126, 261, 202, 112, "", 1, 1, 0, 0, 0, "", 35, {}},
    {"Label9", K::Label, 180, 269, 100, 20, "China Bowl", 1, 1, 0, 0, 0, "RoundRectangle6", 0,
     kCentred},
    {"Label10", K::Label, 146, 291, 83, 20, "TEAM: TBA", 1, 1, 9, 1, 1, "RoundRectangle6", 1, {}},
    {"Label11", K::Label, 232, 291, 83, 20, "TEAM: TBA", 1, 1, 9, 1, 1, "RoundRectangle6", 2, {}},
    {"PushButton5", K::PushButton, 194, 349, 80, 20, "Play", 0, 1, 0, 0, 0, "RoundRectangle6", 3,
     {}},
    {"TextField9", K::TextField, 146, 315, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle6", 4, {}},
    {"TextField10", K::TextField, 233, 315, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle6", 5, {}},
    {"Label12", K::Label, 132, 349, 10, 20, "", 1, 0, 0, 0, 0, "RoundRectangle6", 6, {}},
    {"Label13", K::Label, 310, 349, 10, 20, "", 1, 0, 0, 0, 0, "RoundRectangle6", 7, {}},
    {"RoundRectangle7", K::RoundRectangle, 497, 261, 202, 112, "", 1, 1, 0, 0, 0, "", 36, {}},
    {"TextField11", K::TextField, 511, 315, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle7", 3, {}},
    {"TextField12", K::TextField, 609, 315, 41, 22, "", 1, 1, 0, 0, 0, "RoundRectangle7", 4, {}},
    {"Label18", K::Label, 677, 343, 12, 20, "", 1, 0, 0, 0, 0, "RoundRectangle7", 7, {}},
    {"Label17", K::Label, 506, 349, 10, 20, "", 1, 0, 0, 0, 0, "RoundRectangle7", 6, {}},
    {"Label14", K::Label, 553, 269, 100, 20, "Crystal Bowl", 1, 1, 0, 0, 0, "RoundRectangle7", 0,
     kCentred},
    {"Label15", K::Label, 509, 289, 83, 20, "TEAM: TBA", 1, 1, 9, 1, 1, "RoundRectangle7", 1, {}},
    {"Label16", K::Label, 609, 291, 83, 20, "TEAM: TBA", 1, 1, 9, 1, 1, "RoundRectangle7", 2, {}},
    {"PushButton6", K::PushButton, 564, 349, 80, 20, "Play", 0, 1, 0, 0, 0, "RoundRectangle7", 5,
     {}},
    {"PushButton8", K::PushButton, 546, 569, 80, 20, "Restart", 1, 1, 0, 0, 0, "", 40, {}},
    {"PushButton9", K::PushButton, 129, 527, 80, 20, "Replay", 0, 1, 0, 0, 0, "", 41, {}},
    {"Label26", K::Label, 536, 590, 214, 20, kContactAddress, 1, 1, 0, 0, 1, "", 43,
     {.colour = kBlue}},
    {"Listbox1", K::Listbox, 310, 505, 205, 105, "", 1, 1, 10, 0, 0, "", 45, {}},
    {"Timer1", K::Timer, 0, 0, 0, 0, "", 0, 0, 0, 0, 0, "", 0, {.timer = 1}},
    {"Timer2", K::Timer, 0, 0, 0, 0, "", 0, 0, 0, 0, 0, "", 0, {.timer = 2}},
    {"PushButton10", K::PushButton, 115, 563, 103, 20, "ReplayAll", 0, 1, 0, 0, 0, "", 46, {}},
    {"Label28", K::Label, 536, 510, 53, 20, "UserID:", 1, 1, 0, 0, 0, "", 47, {}},
    // The UserID field's record has no InitialParent at all.
    {"TextField15", K::TextField, 592, 505, 80, 22, "", 1, 1, 0, 0, 0, "", 48,
     {.noParentKey = true}},
    {"PushButton11", K::PushButton, 536, 539, 99, 20, "Save_List", 0, 1, 0, 0, 0, "", 49, {}},
    {"Timer3", K::Timer, 0, 0, 0, 0, "", 0, 0, 0, 0, 0, "", 0, {.timer = 3}},
};
static_assert(std::size(kControls) == 87);

}  // namespace

std::span<const ControlDesign> ControlTable() { return kControls; }

const std::string& ControlRecord(size_t row) {
  static const std::vector<std::string> records = [] {
    std::vector<std::string> built;
    for (const ControlDesign& c : kControls)
      built.push_back(c.cls == K::Timer ? std::string() : fw::DesignRecord(c));
    return built;
  }();
  const std::string& record = records.at(row);
  // The three timers are given one and the same record.
  return kControls[row].cls == K::Timer ? TimerRecord() : record;
}

const std::string& ControlRecord(std::string_view name) {
  for (size_t row = 0; row < std::size(kControls); ++row)
    if (name == kControls[row].name) return ControlRecord(row);
  throw fw::InvalidArgumentException("the main window has no control named " + std::string(name));
}

// The timers are designed off, each with a half-second period.
const std::string& TimerRecord() {
  static const std::string record = fw::TimerDesignRecord(0, 500);
  return record;
}

const std::string& WindowRecord() {
  static const std::string record =
      fw::WindowDesignRecord(850, 650, "So You Want A Quandrel?", /*closeButton=*/false);
  return record;
}

}  // namespace window1
