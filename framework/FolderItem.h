#pragma once
// Files named by a bare name in the application's folder, and the text
// stream that writes them. A failed open or write is reported, never silent.
#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>

#include "framework/Object.h"

namespace fw {

class TextOutputStream : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  // A stream on an open file; created says that its open made the file. A
  // take-back goes back to what the file holds now.
  explicit TextOutputStream(int fd, std::string path, bool created = false);
  ~TextOutputStream() override;

  // Writes the text whole; false (and Error set) when the system refused or
  // took nothing.
  bool Write(const std::string& text);
  // Reserves room for that many bytes after the file's end, so that a write
  // of them cannot run out of room part way; false (and Error set) when the
  // file system refuses the room (a full disk, a quota, an I/O error). A file
  // system that cannot reserve at all counts as done.
  bool Reserve(size_t length);
  // Writes the text and the platform line end.
  bool WriteLine(const std::string& text);
  // Whether what is written next starts a line of its own: the file is empty
  // or ends with the line end. A file this stream cannot read counts as one
  // that does.
  bool AtLineStart() const;
  // Flushes to the device; false when that or any earlier write failed.
  bool Flush();
  // Takes back what this stream wrote, how a writer undoes a block it could
  // not finish; only before Close. The file is removed when the open made it
  // and the name still stands for it, else (or where the folder refuses the
  // removal) cut back to its length when the stream was made, which gives
  // back the room reserved too; a stream that neither wrote nor reserved
  // leaves it as it was, its time of change included. Bytes that follow this
  // stream's belong to another writer and are kept: then, and when neither
  // the removal nor the cut can be done, false.
  bool TakeBack();
  // Flushes to the device and closes; false when that or any earlier write
  // failed.
  bool Close();
  const std::string& Error() const { return error_; }
  const std::string& Path() const { return path_; }
  // How many bytes this stream has written.
  off_t Written() const { return written_; }

 private:
  int fd_;
  std::string path_;
  std::string error_;
  bool created_;
  off_t start_ = -1;  // the file's length when the stream was made
  off_t written_ = 0;
  bool reserved_ = false;
  bool unsynced_ = true;
};

// Only a regular file that the name itself stands for is ever opened: a
// symbolic link, a FIFO, a device, a socket or a folder under the name is
// refused, with LastError saying which. An open stream holds the file for
// itself alone until it closes: an open waits about two seconds for another
// writer (another copy of the program) to finish with it, then is refused.
class FolderItem : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  explicit FolderItem(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  bool Exists() const;
  // A new or emptied file; nil on failure, with LastError saying why.
  std::shared_ptr<TextOutputStream> CreateTextFile();
  // The existing file, written at its end; nil on failure.
  std::shared_ptr<TextOutputStream> AppendToTextFile();
  // The file written at its end, made first where there is none, in one
  // step: a file that another writer makes at the same moment is appended
  // to, never emptied. Nil on failure.
  std::shared_ptr<TextOutputStream> AppendOrCreateTextFile();
  const std::string& LastError() const { return lastError_; }

 private:
  // Opens with the flags given, holding the file by lockBy at the latest;
  // error, where asked for, is the system's reason (EINVAL for what is not a
  // regular file, EWOULDBLOCK for a file another writer kept, ESTALE for a
  // file that lost its name while this open waited for it).
  std::shared_ptr<TextOutputStream> Open(int flags, std::chrono::steady_clock::time_point lockBy,
                                         int* error = nullptr);
  std::string path_;
  std::string lastError_;
};

// Why a bare name is not one valid file name in a folder: the folder is not
// known (empty), or the name is empty, holds "/" or a NUL, is "." or "..",
// or is longer than the file system allows. Empty when the name is valid.
std::string InvalidFileNameReason(const std::string& folder, const std::string& name);

// Why what stands under a name is no file the program reads or writes, from
// its kind ("it is a named pipe (FIFO), not a regular file").
std::string NotARegularFile(mode_t mode);

// The file of that bare name in the application's folder; nil when the name
// is not one valid file name there.
std::shared_ptr<FolderItem> GetFolderItem(const std::string& name);

// The platform's line end.
const std::string& EndOfLine();

}  // namespace fw
