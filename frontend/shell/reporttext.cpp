#include "frontend/shell/reporttext.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kelvarin {

namespace {

// The text of bytes that hold a non-ASCII character and are UTF-8
// throughout, a byte order mark kept as a character so that encoding the
// text again gives the same bytes; nothing for other bytes.
std::optional<QString> Utf8Text(const QByteArray& bytes) {
  const bool nonAscii = std::any_of(bytes.begin(), bytes.end(), [](char byte) {
    return static_cast<unsigned char>(byte) > 0x7F;
  });
  if (!nonAscii) return std::nullopt;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  QString text = decoder(bytes);
  if (decoder.hasError() || text.toUtf8() != bytes) return std::nullopt;
  return text;
}

}  // namespace

ReportText DecodeReport(const QByteArray& bytes) {
  ReportText report;
  const qsizetype cr = bytes.indexOf('\r');
  const qsizetype lf = bytes.indexOf('\n');
  if (cr >= 0 && (lf < 0 || cr < lf))
    report.lineEnd = lf == cr + 1 ? QStringLiteral("\r\n") : QStringLiteral("\r");
  std::optional<QString> utf8 = Utf8Text(bytes);
  if (utf8) report.encoding = ReportEncoding::kUtf8;
  QString text = utf8 ? std::move(*utf8) : QString::fromLatin1(bytes);
  // Every CR LF and every lone CR becomes LF, in one pass over the text (a
  // replace of CR LF costs far more on a report of millions of lines).
  QChar* const begin = text.data();
  const qsizetype size = text.size();
  QChar* out = begin;
  for (qsizetype i = 0; i < size; ++i) {
    if (begin[i] != QLatin1Char('\r')) {
      *out++ = begin[i];
      continue;
    }
    *out++ = QLatin1Char('\n');
    if (i + 1 < size && begin[i + 1] == QLatin1Char('\n')) ++i;
  }
  text.truncate(out - begin);
  report.text = std::move(text);
  return report;
}

qsizetype FirstNonLatin1(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i].unicode() > 0xFF) return i;
  return -1;
}

QByteArray EncodeReport(const QString& text, const QString& lineEnd, ReportEncoding encoding) {
  QString withEnds = text;
  if (lineEnd != QLatin1String("\n")) withEnds.replace(QLatin1Char('\n'), lineEnd);
  if (encoding == ReportEncoding::kUtf8) return withEnds.toUtf8();
  QByteArray bytes;
  bytes.reserve(withEnds.size());
  for (const QChar c : withEnds)
    bytes.append(c.unicode() > 0xFF ? '?' : static_cast<char>(c.unicode()));
  return bytes;
}

}  // namespace kelvarin
