#pragma once
// Files named by a bare name in the application's folder, and the text
// stream that writes them. A failed open or write is reported, never silent.
#include <memory>
#include <string>

#include "framework/Object.h"

namespace fw {

class TextOutputStream : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  explicit TextOutputStream(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~TextOutputStream() override;

  // Writes the text whole; false (and Error set) when the system refused.
  bool Write(const std::string& text);
  // Writes the text and the platform line end.
  bool WriteLine(const std::string& text);
  // Flushes to the device and closes; false when that or any earlier write
  // failed.
  bool Close();
  const std::string& Error() const { return error_; }
  const std::string& Path() const { return path_; }

 private:
  int fd_;
  std::string path_;
  std::string error_;
};

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
  const std::string& LastError() const { return lastError_; }

  // The size in bytes of a regular file; -1 when there is none.
  int64_t Length() const;
  // Cuts a regular file back to length bytes, or removes the file when
  // length is -1: how a writer takes back a block it could not finish.
  // Anything but a regular file is left as it is. False, with LastError,
  // when that failed.
  bool Restore(int64_t length);

 private:
  std::shared_ptr<TextOutputStream> Open(int flags);
  std::string path_;
  std::string lastError_;
};

// Why a bare name is not one valid file name in a folder: empty, holds "/"
// or a NUL, is "." or "..", or is longer than the file system allows. Empty
// when the name is valid.
std::string InvalidFileNameReason(const std::string& folder, const std::string& name);

// The file of that bare name in the application's folder; nil when the name
// is not one valid file name there.
std::shared_ptr<FolderItem> GetFolderItem(const std::string& name);

// The platform's line end.
const std::string& EndOfLine();

}  // namespace fw
