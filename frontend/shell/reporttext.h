// The 8-bit text of a report file and its form in the viewer: every byte is
// one Latin-1 character, line ends become '\n' and are written back in the
// file's own form.
#pragma once

#include <QByteArray>
#include <QString>

namespace kelvarin {

struct ReportText {
  QString text;                            // lines separated by '\n'
  QString lineEnd = QStringLiteral("\n");  // the form of the file's first line end
};

// Bytes to text: CR LF, lone CR and LF each end a line.
ReportText DecodeReport(const QByteArray& bytes);

// Index of the first character that has no 8-bit form, -1 when there is none.
qsizetype FirstNonLatin1(const QString& text);

// Text to bytes with `lineEnd` after each line; a character without an
// 8-bit form becomes '?'.
QByteArray EncodeReport(const QString& text, const QString& lineEnd);

}  // namespace kelvarin
