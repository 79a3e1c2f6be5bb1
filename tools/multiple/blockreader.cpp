#include "tools/multiple/blockreader.h"

#include "common/recordreader.h"

namespace kelvarin {

BlockReader::BlockReader(const RecordReader& file, std::size_t blockSize)
    : m_file(file), m_blockSize(blockSize) {}

bool BlockReader::Read(std::uint64_t offset, std::size_t length, std::string_view* out) {
  const bool buffered = offset >= m_blockOffset && offset + length <= m_blockOffset + m_blockLength;
  if (!buffered) {
    const std::uint64_t start = offset / m_blockSize * m_blockSize;
    if (offset + length > start + m_blockSize) {
      // Across a block boundary: read it by itself.
      if (!m_file.ReadAt(offset, length, &m_single) || m_single.size() != length) return false;
      *out = m_single;
      return true;
    }
    m_blockLength = 0;
    if (!m_file.ReadAt(start, m_blockSize, &m_block)) return false;
    m_blockOffset = start;
    m_blockLength = m_block.size();
    if (offset + length > m_blockOffset + m_blockLength) return false;  // past the end of the file
  }
  *out = std::string_view(m_block.data() + (offset - m_blockOffset), length);
  return true;
}

}  // namespace kelvarin
