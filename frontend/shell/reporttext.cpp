#include "frontend/shell/reporttext.h"

namespace kelvarin {

ReportText DecodeReport(const QByteArray& bytes) {
  ReportText report;
  const qsizetype cr = bytes.indexOf('\r');
  const qsizetype lf = bytes.indexOf('\n');
  if (cr >= 0 && (lf < 0 || cr < lf))
    report.lineEnd = lf == cr + 1 ? QStringLiteral("\r\n") : QStringLiteral("\r");
  QString text = QString::fromLatin1(bytes);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  report.text = std::move(text);
  return report;
}

qsizetype FirstNonLatin1(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i].unicode() > 0xFF) return i;
  return -1;
}

QByteArray EncodeReport(const QString& text, const QString& lineEnd) {
  QString withEnds = text;
  if (lineEnd != QLatin1String("\n")) withEnds.replace(QLatin1Char('\n'), lineEnd);
  QByteArray bytes;
  bytes.reserve(withEnds.size());
  for (const QChar c : withEnds)
    bytes.append(c.unicode() > 0xFF ? '?' : static_cast<char>(c.unicode()));
  return bytes;
}

}  // namespace kelvarin
