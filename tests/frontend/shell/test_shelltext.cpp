// Small rules of the shell: dialog filters, numbered menu texts, the size
// entry of the text sheet, the place of the workspace's name, the string
// table.
#include <gtest/gtest.h>

#include "tests/frontend/shell/gtestqt.h"

#include "frontend/shell/cpage4.h"
#include "frontend/shell/filefilters.h"
#include "frontend/shell/mdiclientpainter.h"
#include "frontend/shell/menutext.h"
#include "frontend/shell/shellmessage.h"

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
      {0, "a.log", "&1 a.log"},  {8, "a.log", "&9 a.log"},      {9, "a.log", "1&0 a.log"},
      {10, "a.log", "11 a.log"}, {1, "R&D.err", "&2 R&&D.err"},
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
      {"12", 12},
      {" 8\t", 8},
      {"+24", 24},
      {"-3", -3},
      {"007", 7},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"12a", std::nullopt},
      {"1 2", std::nullopt},
      {"1.5", std::nullopt},
      {"-", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.value, CPage4::ParseInteger(QString::fromUtf8(c.text))) << c.text;
}

TEST(StringTable, ToolTitlesAndPromptsAreTheProgramsOwnTexts) {
  // The title of each tool program (also the status text of its menu item),
  // in the order of the tool-name table, and the prompts of a few commands.
  const struct {
    int id;
    const char* text;
  } cases[] = {
      {32771, "ICD-9 to ICD-O-2"},
      {32772, "ICD-9 + ICD-O-1 (M) to ICD-O-2"},
      {32773, "ICD-10 to ICD-O-2"},
      {32774, "ICD-10 + ICD-O-2(M) to ICD-O-2"},
      {32775, "ICD-O-1 to ICD-O-2"},
      {32776, "ICD-O (Field Trial Edition 1988) to ICD-O-2"},
      {32777, "ICD-O-2 to ICD-O-3"},
      {32778, "ICD-O-2 to ICD-9"},
      {32779, "ICD-O-2 to ICD-10"},
      {32780, "ICD-O-3 (first revision, 2013) to ICD-10 (2010 edition)"},
      {32781, "ICD-O-3 (first revision, 2013) to the ICCC (third edition)"},
      {32782, "ICD-O-3 (first revision, 2013) to the Nubra histological groups"},
      {32783, "Orvo/Semu check program"},
      {32784, "Orvo/Semu multiple primary check program"},
      {32769, "Modifies current file properties\nProperties"},
      {32807, "ICD-O-3 index, numerical lists and summary rules"},
      {32808, "ICD-10 index and numerical lists"},
      {57344, "Kelvarin"},
  };
  for (const auto& c : cases) EXPECT_EQ(QString::fromUtf8(c.text), ResText(c.id)) << c.id;
  EXPECT_EQ(QString(), ResText(32770));
}

TEST(WorkspaceName, StandsAtTheLowerRightWithOffsetsRoundedTowardZero) {
  // Client 800 x 600, own font 16 high with characters 7 wide on average,
  // the name 140 x 41: left 800 - 140 - 7, top 600 - 16 / 2 - 41, so the
  // box is exactly as wide as the name plus one average character.
  const auto rects = MDIClientPainter::EmbossRects(QRect(0, 0, 800, 600), 16, 7, QSize(140, 41));
  EXPECT_EQ(QRect(QPoint(653, 551), QPoint(799, 599)), rects[0]);
  EXPECT_EQ(140 + 7, rects[0].width());
  EXPECT_EQ(16 / 2 + 41, rects[0].height());
  // (7 x -3) / 5 = -4 and 7 / 5 = 1; only the left edge moves.
  EXPECT_EQ(QRect(QPoint(649, 551), QPoint(799, 599)), rects[1]);
  EXPECT_EQ(QRect(QPoint(650, 551), QPoint(799, 599)), rects[2]);

  // An odd font height loses its half: 15 / 2 = 7; the client's outer
  // edges are 310 and 220.
  const auto moved = MDIClientPainter::EmbossRects(QRect(10, 20, 300, 200), 15, 9, QSize(100, 40));
  EXPECT_EQ(QRect(QPoint(201, 173), QPoint(309, 219)), moved[0]);
  EXPECT_EQ(196, moved[1].left());  // 201 + (-27 / 5 = -5)
  EXPECT_EQ(197, moved[2].left());  // + 9 / 5 = 1
}

}  // namespace
}  // namespace kelvarin
