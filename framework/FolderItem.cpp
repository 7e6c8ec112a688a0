#include "framework/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "framework/Services.h"

namespace fw {

const ClassInfo& TextOutputStream::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("TextOutputStream", &Object::StaticClass());
    c.Method("Write", "( String )").Method("WriteLine", "( String )").Method("Close");
    return c;
  });
}

const ClassInfo& FolderItem::StaticClass() {
  return BuildOnce([] {
    ClassInfo c("FolderItem", &Object::StaticClass());
    c.Method("Exists", "( ) as Boolean")
        .Method("CreateTextFile", "( ) as TextOutputStream")
        .Method("AppendToTextFile", "( ) as TextOutputStream");
    return c;
  });
}

TextOutputStream::~TextOutputStream() {
  if (fd_ >= 0) ::close(fd_);
}

bool TextOutputStream::Write(const std::string& text) {
  if (fd_ < 0) {
    if (error_.empty()) error_ = "the file is closed";
    return false;
  }
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error_ = std::strerror(errno);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool TextOutputStream::WriteLine(const std::string& text) { return Write(text + EndOfLine()); }

bool TextOutputStream::Close() {
  if (fd_ < 0) return error_.empty();
  // A write that failed earlier means the file is not what the caller wrote,
  // so closing cleanly must not report success.
  bool ok = error_.empty();
  if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
    if (ok) error_ = std::strerror(errno);
    ok = false;
  }
  if (::close(fd_) != 0 && ok) {
    error_ = std::strerror(errno);
    ok = false;
  }
  fd_ = -1;
  return ok;
}

bool FolderItem::Exists() const {
  struct stat info {};
  return ::stat(path_.c_str(), &info) == 0;
}

int64_t FolderItem::Length() const {
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool FolderItem::Restore(int64_t length) {
  int result = 0;
  if (length < 0)
    result = ::unlink(path_.c_str());
  else if (Length() >= 0)  // only a regular file keeps what it was given
    result = ::truncate(path_.c_str(), static_cast<off_t>(length));
  if (result != 0) {
    lastError_ = std::strerror(errno);
    return false;
  }
  return true;
}

std::shared_ptr<TextOutputStream> FolderItem::Open(int flags) {
  int fd = ::open(path_.c_str(), flags | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0) {
    lastError_ = std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    lastError_ = std::strerror(EISDIR);
    return nullptr;
  }
  lastError_.clear();
  return std::make_shared<TextOutputStream>(fd, path_);
}

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile() {
  return Open(O_CREAT | O_TRUNC);
}

std::shared_ptr<TextOutputStream> FolderItem::AppendToTextFile() { return Open(O_APPEND); }

std::string InvalidFileNameReason(const std::string& folder, const std::string& name) {
  if (name.empty()) return "the file name is empty";
  if (name.find('/') != std::string::npos) return "a file name cannot hold \"/\"";
  if (name.find('\0') != std::string::npos) return "a file name cannot hold a NUL character";
  if (name == "." || name == "..") return "\"" + name + "\" is not a file name";
  long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (limit <= 0) limit = NAME_MAX;
  if (name.size() > static_cast<size_t>(limit))
    return "the file name is " + std::to_string(name.size()) + " bytes long, and the file system allows at most " + std::to_string(limit);
  return {};
}

std::shared_ptr<FolderItem> GetFolderItem(const std::string& name) {
  std::string folder = TheServices().ApplicationFolder();
  if (!InvalidFileNameReason(folder, name).empty()) return nullptr;
  return std::make_shared<FolderItem>(folder + (folder.ends_with('/') ? "" : "/") + name);
}

const std::string& EndOfLine() {
  static const std::string kLineEnd = "\n";
  return kLineEnd;
}

}  // namespace fw
