// The text of a report file and its form in the viewer. A file that is valid
// UTF-8 and holds non-ASCII bytes (such as the UTF-8 file names a tool puts
// in its reports) is read as UTF-8; any other file is 8-bit text, every byte
// one Latin-1 character. Line ends become '\n' and are written back in the
// file's own form, the text in the encoding it was read in.
#pragma once

#include <QByteArray>
#include <QString>

namespace kelvarin {

enum class ReportEncoding { kLatin1, kUtf8 };

struct ReportText {
  QString text;                            // lines separated by '\n'
  QString lineEnd = QStringLiteral("\n");  // the form of the file's first line end
  ReportEncoding encoding = ReportEncoding::kLatin1;
};

// Bytes to text: CR LF, lone CR and LF each end a line.
ReportText DecodeReport(const QByteArray& bytes);

// Index of the first character that has no 8-bit form, -1 when there is none.
qsizetype FirstNonLatin1(const QString& text);

// Text to bytes with `lineEnd` after each line; in Latin-1 a character
// without an 8-bit form becomes '?'.
QByteArray EncodeReport(const QString& text, const QString& lineEnd,
                        ReportEncoding encoding = ReportEncoding::kLatin1);

}  // namespace kelvarin
