#include "framework/FolderItem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <thread>
#include <utility>

#include "framework/Services.h"
#include "framework/SystemReason.h"

namespace fw {

namespace {

// Network and user-space file systems answer a call that a signal reached
// with EINTR, the call undone; it is made again.
template <typename Call>
int Uninterrupted(Call call) {
  int result;
  do result = call();
  while (result < 0 && errno == EINTR);
  return result;
}

}  // namespace

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

TextOutputStream::TextOutputStream(int fd, std::string path, bool created)
    : fd_(fd), path_(std::move(path)), created_(created) {
  struct stat info {};
  if (fd_ >= 0 && ::fstat(fd_, &info) == 0) start_ = info.st_size;
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
      error_ = SystemReason(errno);
      return false;
    }
    // A file system that takes nothing (a FUSE one has been seen doing so)
    // would take nothing for ever.
    if (n == 0) {
      error_ = "the file system accepted nothing";
      return false;
    }
    done += static_cast<size_t>(n);
    written_ += n;
    unsynced_ = true;
  }
  return true;
}

bool TextOutputStream::Reserve(size_t length) {
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
    if (error_.empty()) error_ = fd_ < 0 ? "the file is closed" : SystemReason(errno);
    return false;
  }
  // The file's length stays as it is, so a reader never sees the room; where
  // the file system cannot reserve, the writes go out as they would anyway
  // (never zeros written in its place).
  if (Uninterrupted([&] {
        return ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, info.st_size, static_cast<off_t>(length));
      }) == 0) {
    reserved_ = true;
    return true;
  }
  if (errno == EOPNOTSUPP || errno == ENOSYS) return true;
  error_ = SystemReason(errno);
  return false;
}

bool TextOutputStream::WriteLine(const std::string& text) { return Write(text + EndOfLine()); }

bool TextOutputStream::AtLineStart() const {
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0 || info.st_size == 0) return true;
  // The stream writes only; the same file is opened again to read its end.
  const int reader =
      ::open(("/proc/self/fd/" + std::to_string(fd_)).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (reader < 0) return true;
  const std::string& end = EndOfLine();
  const off_t at = info.st_size - static_cast<off_t>(end.size());
  std::string last(end.size(), '\0');
  const bool read =
      at >= 0 && ::pread(reader, last.data(), last.size(), at) == static_cast<ssize_t>(last.size());
  ::close(reader);
  return !read || last == end;
}

bool TextOutputStream::Flush() {
  if (fd_ < 0) {
    if (error_.empty()) error_ = "the file is closed";
    return false;
  }
  // A write that failed earlier means the file is not what the caller wrote,
  // so a clean flush must not report success. Only a file that cannot be
  // synced at all counts as synced: one gone read-only since the write may
  // have lost it. A stream refused before it wrote a byte has nothing of its
  // own to sync and fails whatever a sync says: the file is left alone.
  if (unsynced_ && (error_.empty() || written_ > 0)) {
    if (Uninterrupted([this] { return ::fsync(fd_); }) == 0 || errno == EINVAL)
      unsynced_ = false;
    else if (error_.empty())
      error_ = SystemReason(errno);
  }
  return error_.empty();
}

bool TextOutputStream::TakeBack() {
  struct stat now {};
  if (fd_ < 0 || start_ < 0 || ::fstat(fd_, &now) != 0) return false;
  // The stream's bytes are the file's last ones only while nobody wrote after
  // them; cutting then would lose the other writer's.
  if (now.st_size != start_ + written_) return false;
  unsynced_ = true;
  struct stat named {};
  // A name that now stands for another file is not this stream's to remove,
  // and a folder may refuse the removal (an append-only one) while the file
  // itself can still be cut: the bytes are then cut from its own file.
  if (created_ && start_ == 0 && ::lstat(path_.c_str(), &named) == 0 &&
      named.st_dev == now.st_dev && named.st_ino == now.st_ino && ::unlink(path_.c_str()) == 0)
    return true;
  // A cut to the same length gives back reserved room, and it marks the
  // file as changed even where it has nothing to give back.
  if (written_ == 0 && !reserved_) return true;
  return Uninterrupted([this] { return ::ftruncate(fd_, start_); }) == 0;
}

bool TextOutputStream::Close() {
  if (fd_ < 0) return error_.empty();
  bool ok = Flush();
  if (::close(fd_) != 0 && ok) {
    error_ = SystemReason(errno);
    ok = false;
  }
  fd_ = -1;
  return ok;
}

bool FolderItem::Exists() const {
  struct stat info {};
  return ::stat(path_.c_str(), &info) == 0;
}

std::string NotARegularFile(mode_t mode) {
  const char* what = S_ISLNK(mode)                    ? "a symbolic link"
                     : S_ISFIFO(mode)                 ? "a named pipe (FIFO)"
                     : S_ISSOCK(mode)                 ? "a socket"
                     : S_ISDIR(mode)                  ? "a directory"
                     : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                      : "something else";
  return std::string("it is ") + what + ", not a regular file";
}

namespace {

// Following no link and waiting on no FIFO; what is not a regular file is
// refused once it is open, and a terminal opened on the way is never made
// the program's controlling one.
constexpr int kOpenFlags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;

using Clock = std::chrono::steady_clock;

// How long an open waits for another writer to finish with the file, and how
// often it looks again meanwhile; the window never waits longer.
constexpr std::chrono::milliseconds kLockWait{2000};
constexpr std::chrono::milliseconds kLockRetry{20};

const char kInUse[] = "another program is using the file";

// Holds the file for this descriptor alone, trying until the deadline. False
// only when another writer kept it all that time; a file system that has no
// such holds is written as before, without one.
bool Lock(int fd, Clock::time_point deadline) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kLockRetry);
  }
}

}  // namespace

std::shared_ptr<TextOutputStream> FolderItem::Open(int flags, Clock::time_point lockBy,
                                                   int* error) {
  int fd = ::open(path_.c_str(), flags | kOpenFlags, 0644);
  struct stat info {};
  if (fd < 0) {
    const int reason = errno;
    if (error) *error = reason;
    // A link, a FIFO without a reader, a socket and a folder fail at once:
    // say what stands there rather than the system's bare reason.
    if (::lstat(path_.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
      lastError_ = NotARegularFile(info.st_mode);
    else
      lastError_ = SystemReason(reason);
    return nullptr;
  }
  auto refuse = [&](int reason, std::string why) -> std::shared_ptr<TextOutputStream> {
    if (error) *error = reason;
    lastError_ = std::move(why);
    ::close(fd);
    return nullptr;
  };
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    return refuse(EINVAL, NotARegularFile(info.st_mode));
  // A regular file never waits; the stream's writes are the ordinary kind.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  // Two writers at once would cut their lines into each other, and one that
  // takes back its block could cut away the other's.
  if (!Lock(fd, lockBy)) return refuse(EWOULDBLOCK, kInUse);
  // The writer waited for may have removed the file or put another under its
  // name; what is written here would then go where nobody looks.
  struct stat named {};
  if (::fstat(fd, &info) != 0 || info.st_nlink == 0 || ::lstat(path_.c_str(), &named) != 0 ||
      named.st_dev != info.st_dev || named.st_ino != info.st_ino)
    return refuse(ESTALE, kInUse);
  if (error) *error = 0;
  lastError_.clear();
  return std::make_shared<TextOutputStream>(fd, path_, (flags & O_EXCL) != 0);
}

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile() {
  return Open(O_CREAT | O_TRUNC, Clock::now() + kLockWait);
}

std::shared_ptr<TextOutputStream> FolderItem::AppendToTextFile() {
  return Open(O_APPEND, Clock::now() + kLockWait);
}

std::shared_ptr<TextOutputStream> FolderItem::AppendOrCreateTextFile() {
  // Another writer may make, remove or replace the file between the tries; a
  // few rounds settle it, all within the one wait.
  const Clock::time_point lockBy = Clock::now() + kLockWait;
  for (int round = 0; round < 3; ++round) {
    int error = 0;
    if (auto stream = Open(O_APPEND, lockBy, &error)) return stream;
    if (error == ENOENT) {
      if (auto stream = Open(O_CREAT | O_EXCL | O_APPEND, lockBy, &error)) return stream;
      if (error != EEXIST && error != ESTALE) return nullptr;
    } else if (error != ESTALE) {
      return nullptr;
    }
  }
  return nullptr;
}

std::string InvalidFileNameReason(const std::string& folder, const std::string& name) {
  // No path is ever made up from a folder that is not known.
  if (folder.empty()) return "the program's own folder cannot be found";
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
