#include "tools/convert/common/recordline.h"

#include <cassert>

namespace kelvarin {

void RecordLine::AppendNumber(long value, int width, char pad) {
  char digits[24];
  int count = 0;
  const bool negative = value < 0;
  unsigned long magnitude =
      negative ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  const int length = count + (negative ? 1 : 0);
  if (pad == '0') {
    if (negative) m_text.push_back('-');
    for (int i = length; i < width; ++i) m_text.push_back('0');
  } else {
    for (int i = length; i < width; ++i) m_text.push_back(' ');
    if (negative) m_text.push_back('-');
  }
  while (count > 0) m_text.push_back(digits[--count]);
}

void RecordLine::Overwrite(int column, std::string_view text) {
  assert(column >= 1 && column - 1 + text.size() <= m_text.size());
  m_text.replace(static_cast<size_t>(column - 1), text.size(), text.data(), text.size());
}

}  // namespace kelvarin
