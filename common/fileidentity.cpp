#include "common/fileidentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace kelvarin {

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  const bool hasA = ::stat(a.c_str(), &sa) == 0;
  const bool hasB = ::stat(b.c_str(), &sb) == 0;
  if (hasA && hasB) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  if (hasA != hasB) return false;
  // Neither exists yet: compare where they would be created.
  std::error_code ea, eb;
  const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
  const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
  if (ea || eb) return a == b;
  return ca == cb;
}

bool SameFile(int fd, const std::string& path) {
  struct stat held {};
  struct stat named {};
  return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

int OpenRegularFile(const std::string& path, OpenForReading* result, bool forUpdate) {
  *result = OpenForReading::kCannotOpen;
  // A device is not opened at all: opening some has effects of its own.
  struct stat named {};
  if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
    *result = OpenForReading::kNotRegular;
    return -1;
  }
  const int fd =
      ::open(path.c_str(), (forUpdate ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat info {};
  const bool stated = ::fstat(fd, &info) == 0;
  if (!stated || !S_ISREG(info.st_mode)) {
    if (stated) *result = OpenForReading::kNotRegular;
    ::close(fd);
    return -1;
  }
  // Reads from a regular file never wait; the flag is cleared all the same.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  *result = OpenForReading::kOk;
  return fd;
}

size_t ReadUpTo(int fd, void* buffer, size_t size, bool* failed) {
  char* bytes = static_cast<char*>(buffer);
  size_t got = 0;
  *failed = false;
  while (got < size) {
    const ssize_t n = ::read(fd, bytes + got, size - got);
    if (n > 0) {
      got += static_cast<size_t>(n);
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      *failed = true;
      break;
    }
  }
  return got;
}

bool WriteWhole(int fd, const void* data, size_t size, int* error) {
  const char* bytes = static_cast<const char*>(data);
  *error = 0;
  for (size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, bytes + done, size - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      if (n < 0) *error = errno;
      return false;
    }
  }
  return true;
}

bool OpensAsRegularFile(const std::string& path, bool forUpdate) {
  OpenForReading result;
  const int fd = OpenRegularFile(path, &result, forUpdate);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool NamesDeviceOrPipe(const std::string& path) {
  struct stat named {};
  return ::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode);
}

bool IsRegularFile(int fd, FileId* id) {
  struct stat held {};
  if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) return false;
  if (id != nullptr) *id = FileId{held.st_dev, held.st_ino};
  return true;
}

int OpenRegularFileForWriting(const std::string& path, FileId* id) {
  // A folder is refused by the open itself.
  if (NamesDeviceOrPipe(path)) return -1;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return -1;
  if (IsRegularFile(fd, id)) return fd;
  ::close(fd);
  return -1;
}

bool RegularFileAt(const std::string& path, FileId* id) {
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return false;
  *id = FileId{named.st_dev, named.st_ino};
  return true;
}

namespace {

bool IsFile(const struct stat& info, FileId id) {
  return S_ISREG(info.st_mode) && info.st_dev == id.device && info.st_ino == id.inode;
}

// Empties the file through a descriptor that is open on it.
bool EmptyThrough(int fd, FileId id) {
  struct stat held {};
  return fd >= 0 && ::fstat(fd, &held) == 0 && IsFile(held, id) && ::ftruncate(fd, 0) == 0;
}

// Empties the file through `fd` when it is open on it, else through a
// descriptor of its own opened at `path` (through a link when `follow`).
bool Empty(const char* path, int fd, FileId id, bool follow) {
  if (EmptyThrough(fd, id)) return true;
  const int own =
      ::open(path, O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
  if (own < 0) return false;
  const bool emptied = EmptyThrough(own, id);
  ::close(own);
  return emptied;
}

}  // namespace

TakeBack DiscardOwnFile(const char* path, int fd, FileId id) {
  struct stat named {};
  if (::lstat(path, &named) == 0 && IsFile(named, id)) {
    const bool emptied = named.st_nlink > 1 && Empty(path, fd, id, false);
    if (::unlink(path) == 0) return TakeBack::kRemoved;
    return emptied || Empty(path, fd, id, false) ? TakeBack::kEmptied : TakeBack::kFailed;
  }
  if (::stat(path, &named) == 0 && IsFile(named, id))
    return Empty(path, fd, id, true) ? TakeBack::kEmptied : TakeBack::kFailed;
  // The name holds another file now, or nothing. The run's file is emptied
  // where it still lives; one that has no name left is gone with the
  // program, and is only emptied to free its room.
  struct stat held {};
  if (fd < 0 || ::fstat(fd, &held) != 0 || !IsFile(held, id)) return TakeBack::kLeftAlone;
  const bool emptied = ::ftruncate(fd, 0) == 0;
  if (held.st_nlink == 0) return TakeBack::kLeftAlone;
  return emptied ? TakeBack::kEmptied : TakeBack::kFailed;
}

}  // namespace kelvarin
