// A file read forward through a large buffer, for the readers that scan a
// whole file: the bytes not yet taken stay at the front when more are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvarin {

struct FileBuffer {
  FileBuffer() = default;
  ~FileBuffer() { Close(); }
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;

  // Takes over a descriptor opened for reading (OpenRegularFile opens one
  // without waiting on a pipe) with a buffer of `capacity` bytes, and takes
  // the file's size (0 when it is not a regular file). False, the descriptor
  // closed, when it is a folder.
  bool Adopt(int descriptor, size_t capacity);
  void Close();
  bool isOpen() const { return fd >= 0; }
  // Moves the bytes from pos on to the front and reads more after them.
  // False at the end of the file or at `limit` (eof), or on a read error
  // or an end before `limit` (failed).
  bool Refill();
  // Goes back to the start of the file; false on a seek error.
  bool Rewind();
  // File offset of the byte at pos.
  uint64_t position() const { return offset + pos; }

  int fd = -1;
  std::vector<char> bytes;
  size_t pos = 0;       // the next byte to take
  size_t end = 0;       // the bytes read end here
  uint64_t offset = 0;  // file offset of bytes[0]
  uint64_t fileSize = 0;
  // Nothing at or beyond this offset is read, so that a file still being
  // appended to ends where it ended when it was opened. A file that ends
  // before this offset has been cut short since: a failure (failed and
  // shrank, error 0). Adopt sets it to no limit.
  uint64_t limit = UINT64_MAX;
  bool eof = false;
  bool failed = false;
  bool shrank = false;
  int error = 0;  // errno of a read or seek error
};

}  // namespace kelvarin
