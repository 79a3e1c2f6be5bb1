// Which file a path or an open descriptor names: two paths are the same file
// when they reach one device and inode, whatever their spelling or links.
#pragma once

#include <sys/types.h>

#include <string>

namespace kelvarin {

bool SameFile(const std::string& a, const std::string& b);
// Whether an open descriptor is the file a path names now.
bool SameFile(int fd, const std::string& path);

// Device and inode of a file.
struct FileId {
  dev_t device = 0;
  ino_t inode = 0;
};
inline bool operator==(FileId a, FileId b) { return a.device == b.device && a.inode == b.inode; }

enum class OpenForReading {
  kOk,
  kCannotOpen,
  kNotRegular,
  kInUse,  // another run holds the file to write it
};

// Opens a regular file for reading (for reading and writing with
// `forUpdate`, which changes nothing in it). A pipe, a device or a folder is
// refused without waiting on it (a pipe with no writer would hold the open
// forever), and a path that names one now is not even opened. Returns the
// descriptor, or -1 with *result telling why.
int OpenRegularFile(const std::string& path, OpenForReading* result, bool forUpdate = false);
// Reads from a descriptor until `size` bytes, the end of the file or a read
// error (*failed). Returns the count read.
size_t ReadUpTo(int fd, void* buffer, size_t size, bool* failed);
// Writes `size` bytes to a descriptor, going on after a signal; false when
// a write fails (*error its errno) or writes nothing (*error 0).
bool WriteWhole(int fd, const void* data, size_t size, int* error);

// Whether a path names a regular file that opens so; nothing is changed.
bool OpensAsRegularFile(const std::string& path, bool forUpdate = false);

// Whether a device, a pipe or a socket stands at `path` now (neither a
// regular file nor a folder): such a path is refused without being opened,
// as opening some devices has effects of its own.
bool NamesDeviceOrPipe(const std::string& path);
// Whether an open descriptor is a regular file; its device and inode go to
// *id when asked for.
bool IsRegularFile(int fd, FileId* id = nullptr);
// Opens a regular file for writing, creating it when it does not exist but
// not emptying it. A device, a pipe or a folder is refused, a device or a
// pipe without being opened; no open waits. Returns the descriptor (its
// device and inode in *id when asked for), or -1.
int OpenRegularFileForWriting(const std::string& path, FileId* id = nullptr);

// Whether `path` reaches a regular file (through links too), with its
// device and inode in *id.
bool RegularFileAt(const std::string& path, FileId* id);

// What became of a file taken back.
enum class TakeBack {
  kRemoved,    // its name is gone (another name of it was emptied first)
  kEmptied,    // reached through a link, or in a folder that keeps its names
  kLeftAlone,  // the name holds another file now, or nothing
  kFailed,     // it could be neither removed nor emptied
};

// Takes back a file a run created or emptied, known by its device and inode:
// where `path` still names that regular file it is removed (emptied first
// when it has a second name, so no part of it stays there; emptied instead
// when the folder keeps the name); where `path` reaches it through a link it
// is emptied; otherwise, when `fd` is still open on it, it is emptied through
// the descriptor (left alone when it has no name left). Anything else at the
// name is never touched. `fd` may be -1.
// Uses only async-signal-safe calls, so a signal handler may call it.
TakeBack DiscardOwnFile(const char* path, int fd, FileId id);

}  // namespace kelvarin
