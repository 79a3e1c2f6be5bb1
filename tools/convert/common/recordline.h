// The line built for one record: the record's bytes as read, then whatever the
// program appends (converted codes or a message). Its storage is kept from
// record to record, so building a line allocates nothing once it has grown to
// the longest record.
#pragma once

#include <string>
#include <string_view>

namespace kelvarin {

class RecordLine {
 public:
  RecordLine() { m_text.reserve(2048); }

  void Assign(std::string_view record) { m_text.assign(record.data(), record.size()); }
  void Append(std::string_view text) { m_text.append(text.data(), text.size()); }
  void Append(char c) { m_text.push_back(c); }
  // Drops what stands after the first size bytes.
  void Truncate(size_t size) { m_text.resize(size < m_text.size() ? size : m_text.size()); }
  // A decimal number as "%*d" (pad ' ') or "%0*d" (pad '0') write it.
  void AppendNumber(long value, int width, char pad);
  // Writes text over the record's bytes from 1-based column on; the columns
  // must lie inside the line (checked when the run starts).
  void Overwrite(int column, std::string_view text);

  std::string_view View() const { return m_text; }
  size_t Size() const { return m_text.size(); }

 private:
  std::string m_text;
};

}  // namespace kelvarin
