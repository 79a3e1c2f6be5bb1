// The text of report files: UTF-8 or bytes as Latin-1 characters, line ends.
#include <gtest/gtest.h>

#include "tests/frontend/shell/gtestqt.h"

#include "frontend/shell/reporttext.h"

namespace kelvarin {
namespace {

QByteArray AllNonLineBytes() {
  QByteArray bytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes.append(static_cast<char>(b));
  return bytes;
}

TEST(ReportText, EveryByteIsOneCharacterOfTheSameValue) {
  const QByteArray bytes = AllNonLineBytes();
  const ReportText report = DecodeReport(bytes);
  ASSERT_EQ(bytes.size(), report.text.size());
  for (qsizetype i = 0; i < bytes.size(); ++i)
    EXPECT_EQ(static_cast<unsigned char>(bytes[i]), report.text[i].unicode()) << "at " << i;
  EXPECT_EQ(bytes, EncodeReport(report.text, report.lineEnd));
}

struct LineEndCase {
  const char* name;
  QByteArray file;
  QString text;
  QString lineEnd;
};

TEST(ReportText, LineEndsBecomeLinesAndComeBackInTheFilesForm) {
  const LineEndCase cases[] = {
      {"LF", "a\nb\n", "a\nb\n", "\n"},
      {"CR LF", "a\r\nb\r\n", "a\nb\n", "\r\n"},
      {"lone CR", "a\rb\r", "a\nb\n", "\r"},
      {"no line end", "abc", "abc", "\n"},
      {"CR LF first, then LF", "a\r\nb\nc", "a\nb\nc", "\r\n"},
      {"LF first, then CR LF", "a\nb\r\nc", "a\nb\nc", "\n"},
      {"empty lines kept", "\n\r\n\n", "\n\n\n", "\n"},
      {"a lone CR before a CR LF", "a\r\r\nb\r", "a\n\nb\n", "\r"},
  };
  for (const LineEndCase& c : cases) {
    const ReportText report = DecodeReport(c.file);
    EXPECT_EQ(c.text, report.text) << c.name;
    EXPECT_EQ(c.lineEnd, report.lineEnd) << c.name;
  }
  // A file with one form of line end is written back byte for byte.
  for (const char* file : {"x\r\ny\r\n", "x\ny\n", "x\ry\r"}) {
    const ReportText report = DecodeReport(file);
    EXPECT_EQ(QByteArray(file), EncodeReport(report.text, report.lineEnd)) << file;
  }
}

TEST(ReportText, CharactersWithoutAnEightBitFormAreFoundAndReplaced) {
  EXPECT_EQ(-1, FirstNonLatin1(QString::fromLatin1("caf\xe9 \xff\xa0")));
  EXPECT_EQ(-1, FirstNonLatin1(QString()));
  const QString text = QStringLiteral("ab\u00ffc\u20ac d\u0100");
  EXPECT_EQ(4, FirstNonLatin1(text));
  EXPECT_EQ(QByteArray("ab\xff"
                       "c? d?"),
            EncodeReport(text, QStringLiteral("\n")));
}

struct EncodingCase {
  const char* name;
  QByteArray file;
  ReportEncoding encoding;
  QString text;
};

TEST(ReportText, UTF8FilesAreShownAsUTF8AndEveryFileComesBackByteForByte) {
  const EncodingCase cases[] = {
      {"UTF-8 name",
       "donn\xc3\xa9"
       "es.dat\n",
       ReportEncoding::kUtf8, u"donn\u00e9es.dat\n"_qs},
      {"UTF-8, CR LF", "\xe2\x82\xac\r\n\xf0\x9f\x98\x80\r\n", ReportEncoding::kUtf8,
       u"\u20ac\n\U0001F600\n"_qs},
      {"UTF-8 with a byte order mark", "\xef\xbb\xbfx\n", ReportEncoding::kUtf8, u"\ufeffx\n"_qs},
      {"Latin-1 name",
       "donn\xe9"
       "es.dat\n",
       ReportEncoding::kLatin1, u"donn\u00e9es.dat\n"_qs},
      {"ASCII only", "plain\n", ReportEncoding::kLatin1, u"plain\n"_qs},
      {"UTF-8, then one Latin-1 byte", "\xc3\xa9 \xe9\n", ReportEncoding::kLatin1,
       u"\u00c3\u00a9 \u00e9\n"_qs},
      {"cut sequence at the end", "abc\xc3", ReportEncoding::kLatin1, u"abc\u00c3"_qs},
      {"overlong form", "\xc0\xaf", ReportEncoding::kLatin1, u"\u00c0\u00af"_qs},
      {"encoded surrogate", "\xed\xa0\x80", ReportEncoding::kLatin1, u"\u00ed\u00a0\u0080"_qs},
  };
  for (const EncodingCase& c : cases) {
    const ReportText report = DecodeReport(c.file);
    EXPECT_EQ(c.encoding, report.encoding) << c.name;
    EXPECT_EQ(c.text, report.text) << c.name;
    EXPECT_EQ(c.file, EncodeReport(report.text, report.lineEnd, report.encoding)) << c.name;
  }
}

}  // namespace
}  // namespace kelvarin
