#include "common/inputfileprobe.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace kelvarin;
namespace fs = std::filesystem;

namespace {

class ProbeTest : public ::testing::Test {
 protected:
  test::TempDir m_temp;
};

// n lines of `width` characters, each followed by `lineEnd`.
std::string Lines(int n, int width, const std::string& lineEnd, char fill = 'x') {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::string(static_cast<size_t>(width), fill) + lineEnd;
  return text;
}

struct LengthCase {
  const char* name;
  std::string bytes;
  int result;
  int recordLength;
};

}  // namespace

TEST_F(ProbeTest, RecordLengthOverTheEdgeCases) {
  const std::string records80 = Lines(3, 80, "\n");
  const LengthCase cases[] = {
      {"all CR LF", Lines(7, 80, "\r\n"), 0, 80},
      {"LF and CR LF mixed", Lines(2, 80, "\n") + Lines(2, 80, "\r\n") + Lines(1, 80, "\n"), 0, 80},
      {"CR only", Lines(4, 12, "\r"), 0, 12},
      {"CR, LF and CR LF mixed", Lines(2, 9, "\r") + Lines(2, 9, "\r\n") + Lines(2, 9, "\n"), 0, 9},
      {"300 of 80 and 200 of 79", Lines(300, 80, "\n") + Lines(200, 79, "\n"), 1, 80},
      {"250 of 80, then 250 of 79", Lines(250, 80, "\n") + Lines(250, 79, "\n"), 1, 79},
      {"250 of 79, then 250 of 80", Lines(250, 79, "\n") + Lines(250, 80, "\n"), 1, 80},
      {"leading empty lines", "\n\r\n\r" + records80, 0, 80},
      {"empty line after the first record", Lines(1, 80, "\n") + "\n" + Lines(2, 80, "\n"), 1, 80},
      {"one record without line end", std::string(40, 'r'), 0, 40},
      {"last line without line end, shorter", records80 + std::string(10, 'r'), 1, 80},
      {"last line without line end, same length", records80 + std::string(80, 'r'), 0, 80},
      {"600 lines, line 550 shorter",
       Lines(549, 20, "\n") + Lines(1, 5, "\n") + Lines(50, 20, "\n"), 0, 20},
      {"line 500 shorter still measured", Lines(499, 20, "\n") + Lines(1, 5, "\n"), 1, 20},
      {"CR as the very last byte", Lines(2, 6, "\n") + "abcdef\r", 0, 6},
      {"CR CR LF is two line ends", "abc\r\r\nabc\n", 1, 3},
      {"empty file", "", 0, 0},
      {"only line ends", "\n\n\n", 0, 0},
      {"a line of 2000 characters", Lines(3, 2000, "\n"), 0, 2000},
  };
  for (const LengthCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = m_temp.Write("data.txt", c.bytes);
    CInputFileProbe probe;
    EXPECT_EQ(c.result, probe.DetectRecordLength(path));
    EXPECT_EQ(c.recordLength, probe.recordLength);
    EXPECT_EQ(c.bytes.size(), probe.fileSize);
    EXPECT_EQ("", probe.message());
  }
}

TEST_F(ProbeTest, PreviewOfAFiveLineFileLeavesTheOtherLinesEmpty) {
  const std::string path = m_temp.Write("five.txt", "aaa\r\nbb\nc\rdddd\r\neeeee\n");
  CInputFileProbe probe;
  probe.previewLines[8] = "stale";
  probe.previewLineLengths[8] = 5;
  ASSERT_EQ(0, probe.LoadPreview(path));
  EXPECT_EQ(5, probe.previewLineCount);
  const std::vector<std::string> expected = {"aaa", "bb", "c", "dddd", "eeeee"};
  for (int i = 0; i < kProbePreviewLines; ++i) {
    const std::string want = i < 5 ? expected[static_cast<size_t>(i)] : "";
    EXPECT_EQ(want, probe.previewLines[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(static_cast<int>(want.size()), probe.previewLineLengths[static_cast<size_t>(i)]) << i;
  }
  EXPECT_EQ(5, probe.longestPreviewLine);
  EXPECT_EQ(22u, probe.fileSize);
}

TEST_F(ProbeTest, PreviewStopsAfterTwelveLines) {
  std::string text;
  for (int i = 0; i < 14; ++i) text += "line" + std::to_string(i) + "\n";
  text += std::string(3000, 'z') + "\n";  // too long, but never read
  CInputFileProbe probe;
  ASSERT_EQ(0, probe.LoadPreview(m_temp.Write("many.txt", text)));
  EXPECT_EQ(12, probe.previewLineCount);
  EXPECT_EQ("line11", probe.previewLines[11]);
}

TEST_F(ProbeTest, PreviewKeepsALastLineWithoutLineEndAndEveryByte) {
  const std::string bytes = std::string("ab\0\xe9\xff", 5) + "\n" + "tail";
  CInputFileProbe probe;
  ASSERT_EQ(0, probe.LoadPreview(m_temp.Write("bytes.txt", bytes)));
  EXPECT_EQ(2, probe.previewLineCount);
  EXPECT_EQ(std::string("ab\0\xe9\xff", 5), probe.previewLines[0]);
  EXPECT_EQ("tail", probe.previewLines[1]);
  EXPECT_EQ(4, probe.previewLineLengths[1]);
}

TEST_F(ProbeTest, PreviewLineLimitIsAMessageNotASilentRefusal) {
  CInputFileProbe probe;
  const std::string fits = m_temp.Write("fits.txt", std::string(1025, 'a') + "\n" + "b\n");
  ASSERT_EQ(0, probe.LoadPreview(fits));
  EXPECT_EQ(1025, probe.previewLineLengths[0]);
  EXPECT_EQ(1025, probe.longestPreviewLine);

  const std::string tooLong = m_temp.Write("long.txt", "b\n" + std::string(1026, 'a') + "\n");
  EXPECT_EQ(3, probe.LoadPreview(tooLong));
  EXPECT_EQ(tooLong + ":\r\nline 2 is longer than 1025 characters.", probe.message());
}

TEST_F(ProbeTest, EmptyFilePreviewIsOneEmptyLine) {
  CInputFileProbe probe;
  ASSERT_EQ(0, probe.LoadPreview(m_temp.Write("empty.txt", "")));
  EXPECT_EQ(1, probe.previewLineCount);
  EXPECT_EQ(0, probe.previewLineLengths[0]);
  EXPECT_EQ(0u, probe.fileSize);
}

TEST_F(ProbeTest, RefusesWhatIsMissingOrNotARegularFile) {
  const std::string missing = m_temp / "none.txt";
  const std::string folder = m_temp / "sub.txt";
  fs::create_directory(folder);
  const std::string fifo = m_temp / "fifo.txt";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));  // no writer: an open would wait
  struct Case {
    std::string path;
    int result;
  } cases[] = {{missing, 2}, {folder, 3}, {"", 2}, {fifo, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    CInputFileProbe probe;
    probe.previewLines[0] = "kept";
    EXPECT_EQ(c.result, probe.DetectRecordLength(c.path));
    EXPECT_EQ(c.path + ":\r\ncannot open file.", probe.message());
    EXPECT_EQ(c.result, probe.LoadPreview(c.path));
    EXPECT_EQ(c.path + ":\r\ncannot open file.", probe.message());
    EXPECT_EQ("kept", probe.previewLines[0]);
  }
}

TEST_F(ProbeTest, UnreadableFileGetsTheMessage) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = m_temp.Write("locked.txt", Lines(3, 10, "\n"));
  fs::permissions(path, fs::perms::none);
  CInputFileProbe probe;
  EXPECT_EQ(3, probe.DetectRecordLength(path));
  EXPECT_EQ(path + ":\r\ncannot open file.", probe.message());
  EXPECT_EQ(3, probe.LoadPreview(path));
  fs::permissions(path, fs::perms::owner_all);
}

TEST_F(ProbeTest, LinkToAFileIsProbedAsTheFile) {
  const std::string path = m_temp.Write("target.txt", Lines(3, 10, "\n"));
  const std::string link = m_temp / "link.txt";
  fs::create_symlink(path, link);
  CInputFileProbe probe;
  EXPECT_EQ(0, probe.DetectRecordLength(link));
  EXPECT_EQ(10, probe.recordLength);
  EXPECT_EQ(33u, probe.fileSize);
}
