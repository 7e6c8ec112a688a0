// The results file and the contact link. A save appends one block (header,
// the eight rows of the results table, a closing line) to a file named from
// the user ID and the day, in the program's own folder. A save either writes
// its whole block and disables Save_List, or tells the user why it did not
// and leaves Save_List enabled for another try.
#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/FolderItem.h"
#include "framework/Random.h"
#include "framework/Runtime.h"
#include "framework/Services.h"
#include "framework/Strings.h"
#include "framework/SystemReason.h"
#include "mainwindow/Contact.h"
#include "mainwindow/Window1.h"

namespace {

constexpr int32_t kBracketTeams = 8;

// Dots and blanks vanish and colons and underscores become hyphens, in this
// order, so that the ID reads well as the stem of a file name.
std::string CleanUserId(std::string id) {
  static constexpr std::array<std::pair<const char*, const char*>, 4> kCleaning = {
      {{".", ""}, {" ", ""}, {":", "-"}, {"_", "-"}}};
  for (const auto& [find, with] : kCleaning) id = fw::ReplaceAll(id, find, with);
  return id;
}

std::string ResultsFileName(const std::string& cleanedId, const fw::Date& date) {
  return cleanedId + "-" + fw::ReplaceAll(date.ShortDate(), "/", "-") + ".txt";
}

std::string SaveFailure(const std::string& fileName, const std::string& reason) {
  return "The results could not be saved to \"" + fileName + "\": " + fw::ReasonInSentence(reason) +
         ".";
}

// The block of one save, or nothing when the table does not hold a whole
// bracket (a final always leaves eight rows, so only a broken window gets
// here; writing part of a block would spoil the file for good).
std::optional<std::vector<std::string>> ResultsBlock(const fw::Listbox& table) {
  if (table.ListCount() != kBracketTeams) return std::nullopt;
  const std::string separator = fw::Chr(9) + "|| ";
  std::vector<std::string> lines{"TEAM (BCS#)_Strength" + separator + "Number of Wins"};
  for (int32_t row = 0; row < kBracketTeams; ++row)
    lines.push_back(table.Cell(row, 0) + separator + table.Cell(row, 1));
  lines.emplace_back("==========");
  return lines;
}

// Appends the block to the file, or creates the file with it. Empty when
// the block was written and synced to the device, else the reason. The
// block's room is reserved first, so that a full disk refuses it before a
// byte is written, and it goes out in one write, so a save killed on the way
// leaves all of it or none; one that could not be finished is taken back, so
// the file never holds half a block for the next save to run on from. That
// happens before the close, while this save still holds the file and so no
// other can have written after the block. A last line without its line end
// (a note added by hand) gets one first, so the header starts a line of its
// own.
std::string WriteBlock(fw::FolderItem& file, const std::vector<std::string>& lines) {
  constexpr char kIncomplete[] = ", and the file may now end with an incomplete block";
  std::shared_ptr<fw::TextOutputStream> stream = file.AppendOrCreateTextFile();
  if (!stream) return file.LastError().empty() ? "the file could not be opened" : file.LastError();
  std::string block = stream->AtLineStart() ? "" : fw::EndOfLine();
  for (const std::string& line : lines) block += line + fw::EndOfLine();
  if (stream->Reserve(block.size())) stream->Write(block);
  if (stream->Flush()) {
    // The block is on the device: a retry after a failed close would write
    // it a second time.
    if (!stream->Close())
      std::cerr << "The results were saved to \"" << stream->Path()
                << "\", but closing it failed: " << stream->Error() << '\n';
    return {};
  }
  std::string failure = stream->Error();
  // Only bytes this save wrote can leave a block unfinished.
  if (!stream->TakeBack() && stream->Written() > 0) failure += kIncomplete;
  stream->Close();
  return failure;
}

}  // namespace

// Save_List.
void Window1::PushButton11_Action(fw::PushButton& sender) {
  fw::Date now;
  std::shared_ptr<fw::TextField> userId = TextField15();
  if (userId->Text().empty()) {
    fw::MsgBox("Please enter your UserID first");
    return;
  }
  std::string cleanedId = CleanUserId(userId->Text());
  userId->SetText(cleanedId);
  std::string fileName = ResultsFileName(cleanedId, now);

  // A name that is not one file name in the program's folder ("/" in the ID
  // would reach another folder) is refused before anything is touched.
  std::string invalid = fw::InvalidFileNameReason(fw::TheServices().ApplicationFolder(), fileName);
  if (!invalid.empty()) {
    fw::MsgBox(SaveFailure(fileName, invalid));
    return;
  }
  std::optional<std::vector<std::string>> block = ResultsBlock(*Listbox1());
  if (!block) {
    fw::MsgBox(
        SaveFailure(fileName, "the results table does not hold the eight teams of a bracket"));
    return;
  }
  std::shared_ptr<fw::FolderItem> file = fw::GetFolderItem(fileName);
  if (!file) {
    fw::MsgBox(SaveFailure(fileName, "the name is not a valid file name there"));
    return;
  }
  std::string failure = WriteBlock(*file, *block);
  if (!failure.empty()) {
    fw::MsgBox(SaveFailure(fileName, failure));
    return;
  }
  sender.SetEnabled(false);
}

// The contact label opens a new mail to the address it shows.
bool Window1::Label26_MouseDown(fw::Label&, int32_t, int32_t) {
  fw::ShowURL(std::string("mailto:") + kContactAddress);
  return false;
}
