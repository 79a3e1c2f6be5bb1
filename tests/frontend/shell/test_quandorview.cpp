// The report view: its one character format, the Text properties sheet,
// the commands it answers and printing.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QTransform>
#include <QtTest>

#include "frontend/res/commandids.h"
#include "frontend/shell/cfontsheet.h"
#include "frontend/shell/cpage1.h"
#include "frontend/shell/cpage2.h"
#include "frontend/shell/cpage3.h"
#include "frontend/shell/cpage4.h"
#include "frontend/shell/cquandordoc.h"
#include "frontend/shell/cquandorview.h"
#include "tests/frontend/shell/modalhelper.h"
#include "tests/support/qttestfiles.h"

namespace kelvarin {

namespace {

// The requested font of every piece of text, and of the empty last line.
struct FontSeen {
  QString family;
  double pointSize;
  bool bold;
  bool italic;
  bool underline;
  QColor colour;
  bool operator==(const FontSeen& o) const {
    return family == o.family && pointSize == o.pointSize && bold == o.bold && italic == o.italic &&
           underline == o.underline && colour == o.colour;
  }
};

FontSeen Seen(const QTextCharFormat& format) {
  const QFont font = format.font();
  return {font.family(), font.pointSizeF(), font.bold(),
          font.italic(), font.underline(),  format.foreground().color()};
}

// The one format of the whole text; fails when pieces differ.
FontSeen WholeTextFormat(const QTextDocument* text) {
  QList<FontSeen> seen;
  for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) seen.append(Seen(it.fragment().charFormat()));
    if (block.length() == 1) seen.append(Seen(block.charFormat()));
  }
  if (seen.isEmpty()) return {};
  for (const FontSeen& s : seen)
    if (!(s == seen.first())) return {QStringLiteral("<mixed>"), 0, false, false, false, {}};
  return seen.first();
}

const FontSeen kCourier10{"Courier New", 10, false, false, false, QColor(Qt::black)};

// Where each line of text starts on the pages of a PDF file written by Qt, in
// millimetres from the page's left and top edges: the first glyph position of
// every text object of the page contents.
QList<QPointF> PrintedLineStarts(const QByteArray& pdf, double pageHeightPoints) {
  QList<QPointF> starts;
  const QRegularExpression streams(QStringLiteral("<<([^>]*)>>\\s*stream\\r?\\n"));
  for (auto match = streams.globalMatch(QString::fromLatin1(pdf)); match.hasNext();) {
    const QRegularExpressionMatch stream = match.next();
    const qsizetype begin = stream.capturedEnd();
    QByteArray body = pdf.mid(begin, pdf.indexOf("endstream", begin) - begin);
    if (stream.captured(1).contains(QStringLiteral("FlateDecode")))
      body = qUncompress(QByteArray("\0\0\0\1", 4) + body);
    if (!body.contains("BT")) continue;
    QList<QTransform> saved;
    QTransform ctm;
    QList<double> operands;
    bool textStarts = false;
    for (const QByteArray& token : body.simplified().split(' ')) {
      bool number = false;
      const double value = token.toDouble(&number);
      if (number) {
        operands << value;
        continue;
      }
      if (token == "q") saved << ctm;
      if (token == "Q" && !saved.isEmpty()) ctm = saved.takeLast();
      if (token == "cm" && operands.size() == 6)
        ctm = QTransform(operands[0], operands[1], operands[2], operands[3], operands[4],
                         operands[5]) *
              ctm;
      if (token == "BT") textStarts = true;
      if (token == "Td" && textStarts && operands.size() == 2) {
        // The text matrix turns y over: a line's offset goes down the page.
        const QPointF point = ctm.map(QPointF(operands[0], -operands[1]));
        starts << QPointF(point.x(), pageHeightPoints - point.y()) * (25.4 / 72);
        textStarts = false;
      }
      operands.clear();
    }
  }
  return starts;
}

QPushButton* SheetButton(CFontSheet* sheet, QDialogButtonBox::StandardButton which) {
  return sheet->findChild<QDialogButtonBox*>()->button(which);
}

}  // namespace

class TestQuandorView : public QObject {
  Q_OBJECT

 private:
  // A document with a few lines in a view, shown.
  void OpenView(const QByteArray& bytes = "first line\nsecond line \xe9\n\nlast\n") {
    const QString path = test::WriteTestFile(m_dir->filePath("report.err"), bytes);
    m_doc = std::make_unique<CQuandorDoc>();
    QVERIFY(m_doc->OnOpenDocument(path));
    m_view = std::make_unique<CQuandorView>(m_doc.get());
    m_view->show();
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<CQuandorDoc> m_doc;
  std::unique_ptr<CQuandorView> m_view;

 private slots:
  void initTestCase() { test::StartModalWatchdog(); }
  void init() { m_dir = std::make_unique<QTemporaryDir>(); }
  void cleanup() {
    m_view.reset();
    m_doc.reset();
  }

  void newWindowShowsCourierNewTenPointsUnwrapped() {
    OpenView();
    QCOMPARE(WholeTextFormat(m_doc->TextDocument()).family, kCourier10.family);
    QVERIFY(WholeTextFormat(m_doc->TextDocument()) == kCourier10);
    QCOMPARE(m_view->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!m_doc->IsModified());
    QVERIFY(!m_doc->TextDocument()->isUndoAvailable());
    // A text loaded again takes the window's format too.
    QVERIFY(m_doc->OnOpenDocument(m_doc->PathName()));
    QVERIFY(WholeTextFormat(m_doc->TextDocument()) == kCourier10);
  }

  void okFormatsTheWholeTextWithTheSheetsChoices() {
    OpenView();
    test::OnNextModal<CFontSheet>([](CFontSheet* sheet) {
      sheet->Page1().findChild<QRadioButton*>(CTextPage::ControlName(CPage1::kIdArial))->click();
      sheet->Tabs().setCurrentIndex(1);
      sheet->Page2().findChild<QCheckBox*>(CTextPage::ControlName(CPage2::kIdBold))->click();
      sheet->Page2().findChild<QCheckBox*>(CTextPage::ControlName(CPage2::kIdUnderline))->click();
      sheet->Tabs().setCurrentIndex(3);
      auto* size = sheet->Page4().findChild<QLineEdit*>(CTextPage::ControlName(CPage4::kIdSize));
      size->setText(QStringLiteral("14"));
      SheetButton(sheet, QDialogButtonBox::Ok)->click();
    });
    m_view->OnProperties();
    const FontSeen expected{"Arial", 14, true, false, true, QColor(Qt::black)};
    QVERIFY(WholeTextFormat(m_doc->TextDocument()) == expected);
    QCOMPARE(m_view->textCursor().position(), 0);
    QVERIFY(!m_view->textCursor().hasSelection());
    // Restyling is not a change of the file.
    QVERIFY(!m_doc->IsModified());
  }

  void okWithoutChangesReformatsTextOfOtherFormats() {
    OpenView();
    QTextCursor cursor(m_doc->TextDocument());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    QTextCharFormat pasted;
    pasted.setFontFamilies({QStringLiteral("Arial")});
    pasted.setFontPointSize(20);
    cursor.setCharFormat(pasted);
    QCOMPARE(WholeTextFormat(m_doc->TextDocument()).family, QStringLiteral("<mixed>"));
    test::OnNextModal<CFontSheet>(
        [](CFontSheet* sheet) { SheetButton(sheet, QDialogButtonBox::Ok)->click(); });
    m_view->OnProperties();
    QVERIFY(WholeTextFormat(m_doc->TextDocument()) == kCourier10);
  }

  void cancelAfterApplyRestoresTheFormatAtTheCaret() {
    OpenView();
    bool appliedWhileOpen = false;
    test::OnNextModal<CFontSheet>([this, &appliedWhileOpen](CFontSheet* sheet) {
      sheet->Page1()
          .findChild<QRadioButton*>(CTextPage::ControlName(CPage1::kIdTimesNewRoman))
          ->click();
      SheetButton(sheet, QDialogButtonBox::Apply)->click();
      appliedWhileOpen =
          WholeTextFormat(m_doc->TextDocument()).family == QLatin1String("Times New Roman");
      SheetButton(sheet, QDialogButtonBox::Cancel)->click();
    });
    m_view->OnProperties();
    QVERIFY(appliedWhileOpen);
    QVERIFY(WholeTextFormat(m_doc->TextDocument()) == kCourier10);
    // The sheet keeps what its pages last stored.
    QCOMPARE(m_view->TextSheet().Page1().m_faceChoice, 0);
  }

  void sizeOutsideTheRangeOrNotANumberKeepsTheSheetOpen() {
    const struct {
      const char* typed;
      const char* message;  // nullptr: accepted
    } cases[] = {
        {"7", "Please enter an integer between 8 and 24."},
        {"25", "Please enter an integer between 8 and 24."},
        {"big", "Please enter an integer."},
        {"", "Please enter an integer."},
        {"8", nullptr},
        {"24", nullptr},
    };
    OpenView();
    for (const auto& c : cases) {
      test::MessageSeen seen;
      bool stayedOpen = false;
      test::OnNextModal<CFontSheet>([&](CFontSheet* sheet) {
        sheet->Tabs().setCurrentIndex(3);
        sheet->Page4()
            .findChild<QLineEdit*>(CTextPage::ControlName(CPage4::kIdSize))
            ->setText(c.typed);
        if (c.message) test::AnswerNextMessage(&seen);
        SheetButton(sheet, QDialogButtonBox::Ok)->click();
        stayedOpen = sheet->isVisible();
        if (stayedOpen) {
          QCOMPARE(sheet->Tabs().currentIndex(), 3);
          SheetButton(sheet, QDialogButtonBox::Cancel)->click();
        }
      });
      m_view->OnProperties();
      QCOMPARE(stayedOpen, c.message != nullptr);
      if (c.message) {
        QCOMPARE(seen.text, QString::fromLatin1(c.message));
      } else {
        QVERIFY2(!seen.shown, c.typed);
        QCOMPARE(WholeTextFormat(m_doc->TextDocument()).pointSize, QByteArray(c.typed).toDouble());
      }
    }
    // A refused size never reaches the sheet's members.
    QCOMPARE(m_view->TextSheet().Page4().m_pointSize, 24);
  }

  void leavingAPageWithABadSizeStaysOnIt() {
    OpenView();
    test::MessageSeen seen;
    int pageAfterLeaving = -1;
    test::OnNextModal<CFontSheet>([&](CFontSheet* sheet) {
      sheet->Tabs().setCurrentIndex(3);
      sheet->Page4().findChild<QLineEdit*>(CTextPage::ControlName(CPage4::kIdSize))->setText("30");
      test::AnswerNextMessage(&seen);
      sheet->Tabs().setCurrentIndex(0);
      pageAfterLeaving = sheet->Tabs().currentIndex();
      SheetButton(sheet, QDialogButtonBox::Cancel)->click();
    });
    m_view->OnProperties();
    QCOMPARE(pageAfterLeaving, 3);
    QCOMPARE(seen.text, QStringLiteral("Please enter an integer between 8 and 24."));
  }

  void upDownStepsWithinTheRange() {
    CFontSheet sheet;
    sheet.Page4().m_pointSize = 23;
    sheet.Page4().LoadData();
    auto* edit = sheet.Page4().findChild<QLineEdit*>(CTextPage::ControlName(CPage4::kIdSize));
    auto* up =
        sheet.Page4().findChild<QToolButton*>(CTextPage::ControlName(CPage4::kIdUpDown) + "up");
    auto* down =
        sheet.Page4().findChild<QToolButton*>(CTextPage::ControlName(CPage4::kIdUpDown) + "down");
    up->click();
    QCOMPARE(edit->text(), QStringLiteral("24"));
    up->click();
    QCOMPARE(edit->text(), QStringLiteral("24"));
    edit->setText(QStringLiteral("9"));
    down->click();
    down->click();
    QCOMPARE(edit->text(), QStringLiteral("8"));
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("9"));
  }

  void charFormatFollowsTheMembers() {
    CFontSheet sheet;
    const struct {
      int face;
      int colour;
      const char* family;
      QColor expectedColour;
    } cases[] = {
        {-1, -1, "Times New Roman", Qt::black},
        {0, 0, "Times New Roman", Qt::black},
        {1, 1, "Arial", QColor(255, 0, 0)},
        {2, 2, "Courier New", QColor(0, 128, 0)},
    };
    for (const auto& c : cases) {
      sheet.Page1().m_faceChoice = c.face;
      sheet.Page3().m_colourChoice = c.colour;
      sheet.Page2().m_italic = 1;
      sheet.Page4().m_pointSize = 12;
      const FontSeen seen = Seen(sheet.BuildCharFormat());
      QCOMPARE(seen.family, QString::fromLatin1(c.family));
      QCOMPARE(seen.colour, c.expectedColour);
      QVERIFY(seen.italic && !seen.bold && !seen.underline);
      QCOMPARE(seen.pointSize, 12.0);
    }
  }

  void secondRunShowsTheChoicesLastConfirmed() {
    OpenView();
    test::OnNextModal<CFontSheet>([](CFontSheet* sheet) {
      sheet->Page1().findChild<QRadioButton*>(CTextPage::ControlName(CPage1::kIdArial))->click();
      SheetButton(sheet, QDialogButtonBox::Ok)->click();
    });
    m_view->OnProperties();
    bool arialChecked = false;
    int firstPage = -1;
    test::OnNextModal<CFontSheet>([&](CFontSheet* sheet) {
      firstPage = sheet->Tabs().currentIndex();
      arialChecked = sheet->Page1()
                         .findChild<QRadioButton*>(CTextPage::ControlName(CPage1::kIdArial))
                         ->isChecked();
      SheetButton(sheet, QDialogButtonBox::Cancel)->click();
    });
    m_view->OnProperties();
    QVERIFY(arialChecked);
    QCOMPARE(firstPage, 0);
  }

  void applyInOneWindowLeavesTheOtherAlone() {
    OpenView();
    CQuandorDoc otherDoc;
    QVERIFY(otherDoc.OnOpenDocument(m_doc->PathName()));
    CQuandorView other(&otherDoc);
    test::OnNextModal<CFontSheet>([](CFontSheet* sheet) {
      sheet->Page1().findChild<QRadioButton*>(CTextPage::ControlName(CPage1::kIdArial))->click();
      SheetButton(sheet, QDialogButtonBox::Apply)->click();
      SheetButton(sheet, QDialogButtonBox::Ok)->click();
    });
    m_view->OnProperties();
    QCOMPARE(WholeTextFormat(m_doc->TextDocument()).family, QStringLiteral("Arial"));
    QVERIFY(WholeTextFormat(otherDoc.TextDocument()) == kCourier10);
  }

  void editCommandsFollowTheSelection() {
    OpenView();
    QVERIFY(m_view->HandlesCommand(kIdEditCopy));
    QVERIFY(!m_view->HandlesCommand(kIdFileOpen));
    QVERIFY(!m_view->IsCommandEnabled(kIdEditCopy));
    QVERIFY(!m_view->IsCommandEnabled(kIdEditCut));
    QVERIFY(!m_view->IsCommandEnabled(kIdEditUndo));
    QTextCursor cursor = m_view->textCursor();
    cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    m_view->setTextCursor(cursor);
    QVERIFY(m_view->IsCommandEnabled(kIdEditCopy));
    QVERIFY(m_view->IsCommandEnabled(kIdEditCut));
    m_view->OnCommand(kIdEditCut);
    QVERIFY(m_doc->PlainText().startsWith(QStringLiteral(" line")));
    QVERIFY(m_view->IsCommandEnabled(kIdEditUndo));
    QVERIFY(m_view->IsCommandEnabled(kIdEditPaste));
    m_view->OnCommand(kIdEditUndo);
    QVERIFY(m_doc->PlainText().startsWith(QStringLiteral("first line")));
  }

  void printsWithHalfInchMarginsAndEveryLine() {
    QByteArray longLines;
    for (int i = 0; i < 200; ++i) longLines += QByteArray(300, 'x') + "\n";
    OpenView(longLines);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir->filePath("out.pdf");
    printer.setOutputFileName(pdf);
    m_view->SetPrinter(&printer);
    QVERIFY(m_view->IsCommandEnabled(kIdFilePrintDirect));
    m_view->OnCommand(kIdFilePrintDirect);
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    QCOMPARE(margins, QMarginsF(12.7, 12.7, 12.7, 12.7));
    const QByteArray bytes = test::ReadTestFile(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    // 200 lines of 300 characters fill about four pages unbroken; broken at
    // the page width they need at least twice as many.
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                            bytes.count("/Type /Page ") + bytes.count("/Type /Page/");
    QVERIFY2(pages >= 8, qPrintable(QString::number(pages)));
  }

  void printsInsideTheMarginsAlone() {
    // A 71-character line fits the width of an A4 page inside the margins.
    OpenView("first\n" + QByteArray(71, 'x') + "\nlast\n");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = m_dir->filePath("out.pdf");
    printer.setOutputFileName(pdf);
    m_view->SetPrinter(&printer);
    m_view->OnCommand(kIdFilePrintDirect);
    // One start per line, no page number; every line at the left margin, the
    // first one a line's height below the top margin.
    const QList<QPointF> starts = PrintedLineStarts(test::ReadTestFile(pdf), 842);
    QCOMPARE(starts.size(), 3);
    for (const QPointF& start : starts)
      QVERIFY2(qAbs(start.x() - 12.7) < 0.5, qPrintable(QString::number(start.x())));
    QVERIFY2(starts[0].y() > 12.7 && starts[0].y() < 12.7 + 6,
             qPrintable(QString::number(starts[0].y())));
    QVERIFY(starts[1].y() > starts[0].y() && starts[2].y() > starts[1].y());
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestQuandorView)
#include "test_quandorview.moc"
