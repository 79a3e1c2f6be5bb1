// Reads records of the input file again by byte offset, through a small
// block buffer, so that records near each other in the file cost one read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvarin {

class RecordReader;

class BlockReader {
 public:
  explicit BlockReader(const RecordReader& file, std::size_t blockSize = 8192);

  // The `length` bytes at `offset`, valid until the next call. False when
  // the file cannot be read there or holds fewer bytes.
  bool Read(std::uint64_t offset, std::size_t length, std::string_view* out);

 private:
  const RecordReader& m_file;
  std::size_t m_blockSize;
  std::string m_block;
  std::uint64_t m_blockOffset = 0;
  std::size_t m_blockLength = 0;
  std::string m_single;  // a record that does not fit in one block
};

}  // namespace kelvarin
