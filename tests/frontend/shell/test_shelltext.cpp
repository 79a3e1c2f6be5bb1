// Small rules of the shell: dialog filters, numbered menu texts, the size
// entry of the text sheet, the place of the workspace's name.
#include <gtest/gtest.h>

#include "gtestqt.h"

#include "shell/cpage4.h"
#include "shell/filefilters.h"
#include "shell/mdiclientpainter.h"
#include "shell/menutext.h"

namespace kelvarin {
namespace {

TEST(FileDialogFilters, TurnsTheLibraryFormIntoOneFilterPerPair) {
  const QStringList filters = FileDialogFilters(QStringLiteral(
      "Conversion error files (*.e_)|*.e*|Orvo/Semu check program (*.err;*.chk)|*.err;*.chk|"
      "All files (*.*)|*.*|"));
  const QStringList expected = {
      "Conversion error files (*.e_) (*.e*)",
      "Orvo/Semu check program (*.err;*.chk) (*.err *.chk)",
      "All files (*.*) (*)",
  };
  EXPECT_EQ(expected, filters);
  EXPECT_TRUE(FileDialogFilters(QString()).isEmpty());
}

TEST(NumberedMenuText, DigitMnemonicsThenTenThenPlainNumbers) {
  const struct {
    int index;
    const char* text;
    const char* expected;
  } cases[] = {
      {0, "a.log", "&1 a.log"},      {8, "a.log", "&9 a.log"},
      {9, "a.log", "1&0 a.log"},     {10, "a.log", "11 a.log"},
      {1, "R&D.err", "&2 R&&D.err"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QString::fromUtf8(c.expected), NumberedMenuText(c.index, QString::fromUtf8(c.text)))
        << c.expected;
}

TEST(FontSizeEntry, ReadsDialogIntegersOnly) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"12", 12},      {" 8\t", 8},       {"+24", 24},          {"-3", -3},
      {"007", 7},      {"", std::nullopt}, {" ", std::nullopt},  {"12a", std::nullopt},
      {"1 2", std::nullopt}, {"1.5", std::nullopt}, {"-", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, CPage4::ParseInteger(QString::fromUtf8(c.text))) << c.text;
}

TEST(WorkspaceName, StandsAtTheLowerRightWithOffsetsRoundedTowardZero) {
  // Client 800 x 600, own font 16 high with characters 7 wide on average,
  // the name 140 x 41.
  const auto rects = MDIClientPainter::EmbossRects(QRect(0, 0, 800, 600), 16, 7, QSize(140, 41));
  EXPECT_EQ(QRect(QPoint(652, 550), QPoint(799, 599)), rects[0]);
  // (7 x -3) / 5 = -4 and 7 / 5 = 1; only the left edge moves.
  EXPECT_EQ(QRect(QPoint(648, 550), QPoint(799, 599)), rects[1]);
  EXPECT_EQ(QRect(QPoint(649, 550), QPoint(799, 599)), rects[2]);

  // An odd font height loses its half: 15 / 2 = 7.
  const auto moved = MDIClientPainter::EmbossRects(QRect(10, 20, 300, 200), 15, 9, QSize(100, 40));
  EXPECT_EQ(QRect(QPoint(200, 172), QPoint(309, 219)), moved[0]);
  EXPECT_EQ(195, moved[1].left());  // 200 + (-27 / 5 = -5)
  EXPECT_EQ(196, moved[2].left());  // + 9 / 5 = 1
}

}  // namespace
}  // namespace kelvarin
