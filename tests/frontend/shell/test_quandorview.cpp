// The report view: its one character format, the Text properties sheet,
// the commands it answers and printing.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
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
#include <optional>

#include "frontend/res/commandids.h"
#include "frontend/shell/cfontsheet.h"
#include "frontend/shell/cpage1.h"
#include "frontend/shell/cpage2.h"
#include "frontend/shell/cpage3.h"
#include "frontend/shell/cpage4.h"
#include "frontend/shell/cprintingdlg.h"
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

// The contents of each page of a PDF file written by Qt, in page order.
QList<QByteArray> PageContents(const QByteArray& pdf) {
  QList<QByteArray> pages;
  const QRegularExpression streams(QStringLiteral("<<([^>]*)>>\\s*stream\\r?\\n"));
  for (auto match = streams.globalMatch(QString::fromLatin1(pdf)); match.hasNext();) {
    const QRegularExpressionMatch stream = match.next();
    const qsizetype begin = stream.capturedEnd();
    QByteArray body = pdf.mid(begin, pdf.indexOf("endstream", begin) - begin);
    if (stream.captured(1).contains(QStringLiteral("FlateDecode")))
      body = qUncompress(QByteArray("\0\0\0\1", 4) + body);
    if (body.startsWith("/GSa gs")) pages << body;
  }
  return pages;
}

// Where each line of text starts on the pages of a PDF file written by Qt, in
// millimetres from the page's left and top edges: the first glyph position of
// every text object of the page contents.
QList<QPointF> PrintedLineStarts(const QByteArray& pdf, double pageHeightPoints) {
  QList<QPointF> starts;
  for (const QByteArray& body : PageContents(pdf)) {
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

// The lines of text on each page of a PDF file written by Qt, which writes
// each line as one text object.
QList<int> PrintedLinesPerPage(const QByteArray& pdf) {
  QList<int> lines;
  for (const QByteArray& body : PageContents(pdf)) lines << int(body.count("\nBT\n"));
  return lines;
}

// The page count of a PDF file's page tree.
int PdfPageCount(const QByteArray& pdf) {
  const QRegularExpressionMatch count =
      QRegularExpression(QStringLiteral("/Type /Pages\\s[^>]*/Count (\\d+)"))
          .match(QString::fromLatin1(pdf));
  return count.hasMatch() ? count.captured(1).toInt() : -1;
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
    m_view.reset();
    m_doc = std::make_unique<CQuandorDoc>();
    QVERIFY(m_doc->OnOpenDocument(path));
    m_view = std::make_unique<CQuandorView>(m_doc.get());
    m_view->show();
  }

  // Prints the view's report with `command` on `printer`, set to write the
  // PDF file `pdf` (by default named after the report) afresh or over a file
  // of these bytes (and these permissions, when given); returns its path.
  QString PrintToPdf(QPrinter* printer, int command = kIdFilePrintDirect, QString pdf = {},
                     const QByteArray& before = {}, QFileDevice::Permissions permissions = {}) {
    if (pdf.isEmpty())
      pdf = m_dir->filePath(QFileInfo(m_doc->PathName()).completeBaseName() + ".pdf");
    QFile::remove(pdf);
    if (!before.isEmpty()) test::WriteTestFile(pdf, before);
    if (permissions) QFile::setPermissions(pdf, permissions);
    printer->setOutputFileName(pdf);
    m_view->SetPrinter(printer);
    m_view->OnCommand(command);
    return pdf;
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

  // The up-down control stands against the edit's right edge, from its top
  // to its bottom.
  void upDownStandsAgainstTheEdit() {
    CFontSheet sheet;
    sheet.Tabs().setCurrentIndex(3);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    const QString upDown = CTextPage::ControlName(CPage4::kIdUpDown);
    const QRect edit =
        sheet.Page4().findChild<QLineEdit*>(CTextPage::ControlName(CPage4::kIdSize))->geometry();
    const QRect up = sheet.Page4().findChild<QToolButton*>(upDown + "up")->geometry();
    const QRect down = sheet.Page4().findChild<QToolButton*>(upDown + "down")->geometry();
    QCOMPARE(up.topLeft(), edit.topRight() + QPoint(1, 0));
    QCOMPARE(down.topLeft(), up.bottomLeft() + QPoint(0, 1));
    QCOMPARE(down.bottom(), edit.bottom());
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

  void printsEveryPageOfLongAndWideReports() {
    // One page holds as many lines as fit above the bottom margin; a line
    // wider than the page takes as many lines as it has page widths. A text
    // of some 3,300 pages (which printed one blank page when laid out whole)
    // prints every page.
    const struct {
      int lines;
      int length;  // characters of each line
    } cases[] = {{200000, 6}, {200, 300}, {0, 0}};
    const test::WatchdogPause longPrint;
    for (const auto& c : cases) {
      QByteArray bytes;
      for (int i = 0; i < c.lines; ++i)
        bytes += QByteArray::number(i + 1).rightJustified(c.length, 'x') + '\n';
      OpenView(bytes);
      QPrinter printer(QPrinter::HighResolution);
      const QString pdf = PrintToPdf(&printer);
      const QFontMetricsF metrics(m_doc->TextDocument()->firstBlock().charFormat().font(),
                                  &printer);
      const int charsPerRow = qFloor(printer.width() / metrics.horizontalAdvance('x'));
      const int rowsPerLine = qMax(1, qCeil(double(c.length) / charsPerRow));
      const int rowsPerPage = qFloor(printer.height() / metrics.lineSpacing());
      const int expected = qMax(1, qCeil(double(c.lines) * rowsPerLine / rowsPerPage));
      QCOMPARE(PdfPageCount(test::ReadTestFile(pdf)), expected);
    }
  }

  void printsInsideTheMarginsSetAndKeepsThem() {
    // Half an inch from the start (as the main frame creates its printer),
    // or what Page Setup has set; through the print dialog or not.
    const struct {
      QMarginsF millimetres;
      bool throughDialog;
    } cases[] = {
        {{12.7, 12.7, 12.7, 12.7}, false}, {{25, 30, 15, 20}, false}, {{40, 8, 10, 35}, true}};
    for (const auto& c : cases) {
      OpenView("first\nsecond\nlast\n");
      QPrinter printer(QPrinter::HighResolution);
      printer.setPageSize(QPageSize(QPageSize::A4));
      printer.setPageMargins(c.millimetres, QPageLayout::Millimeter);
      if (c.throughDialog)
        test::OnNextModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
      const QString pdf = PrintToPdf(&printer, c.throughDialog ? kIdFilePrint : kIdFilePrintDirect);
      QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), c.millimetres);
      // One start per line, no page number; every line at the left margin,
      // the first one a line's height below the top margin.
      const QList<QPointF> starts = PrintedLineStarts(test::ReadTestFile(pdf), 842);
      QCOMPARE(starts.size(), 3);
      for (const QPointF& start : starts)
        QVERIFY2(qAbs(start.x() - c.millimetres.left()) < 0.5,
                 qPrintable(QString::number(start.x())));
      const double top = c.millimetres.top();
      QVERIFY2(starts[0].y() > top && starts[0].y() < top + 6,
               qPrintable(QString::number(starts[0].y())));
      QVERIFY(starts[1].y() > starts[0].y() && starts[2].y() > starts[1].y());
    }
  }

  void printJobAndFileTakeTheNameOfTheDocumentPrinted() {
    // The printer is shared by every window: a report printed to a file, then
    // another report printed, previewed and printed again.
    OpenView("first report\n");
    QPrinter printer(QPrinter::HighResolution);
    PrintToPdf(&printer);
    const QString other = test::WriteTestFile(m_dir->filePath("cases.chk"), "other report\n");
    CQuandorDoc otherDoc;
    QVERIFY(otherDoc.OnOpenDocument(other));
    CQuandorView otherView(&otherDoc);
    otherView.SetPrinter(&printer);
    QString previewTitle;
    test::OnNextModal<QPrintPreviewDialog>([&previewTitle](QPrintPreviewDialog* dialog) {
      previewTitle = dialog->windowTitle();
      dialog->reject();
    });
    otherView.OnCommand(kIdFilePrintPreview);
    QCOMPARE(previewTitle, QStringLiteral("Print Preview: cases.chk"));
    QString proposed;
    test::OnNextModal<QPrintDialog>([&proposed](QPrintDialog* dialog) {
      proposed = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
      dialog->accept();
    });
    otherView.OnCommand(kIdFilePrint);
    QCOMPARE(proposed, m_dir->filePath("cases.pdf"));
    QCOMPARE(printer.docName(), QStringLiteral("cases.chk"));
    QVERIFY(test::ReadTestFile(m_dir->filePath("report.pdf")).startsWith("%PDF"));
    QCOMPARE(PdfPageCount(test::ReadTestFile(m_dir->filePath("cases.pdf"))), 1);

    // A report that is itself notes.pdf, printed beside the last PDF, is left
    // as it was; its print goes to notes.pdf.pdf.
    const QString notes = test::WriteTestFile(m_dir->filePath("notes.pdf"), "not a PDF\n");
    CQuandorDoc notesDoc;
    QVERIFY(notesDoc.OnOpenDocument(notes));
    CQuandorView notesView(&notesDoc);
    notesView.SetPrinter(&printer);
    notesView.OnCommand(kIdFilePrintDirect);
    QCOMPARE(test::ReadTestFile(notes), QByteArray("not a PDF\n"));
    QVERIFY(test::ReadTestFile(notes + ".pdf").startsWith("%PDF"));
  }

  void printsThePagesChosenInTheOrderChosen() {
    const struct {
      const char* pages;
      QPrinter::PageOrder order;
      QList<int> linesPerPage;  // of 7 lines, 3 to a page; none: nothing printed
    } cases[] = {
        {"", QPrinter::FirstPageFirst, {3, 3, 1}}, {"", QPrinter::LastPageFirst, {1, 3, 3}},
        {"2-3", QPrinter::FirstPageFirst, {3, 1}}, {"1,3", QPrinter::LastPageFirst, {1, 3}},
        {"4-5", QPrinter::FirstPageFirst, {}},
    };
    OpenView("1\n2\n3\n4\n5\n6\n7\n");
    for (const auto& c : cases) {
      QPrinter printer(QPrinter::HighResolution);
      const QFontMetricsF metrics(m_doc->TextDocument()->firstBlock().charFormat().font(),
                                  &printer);
      // Pages of three and a half lines inside 10 mm margins.
      const qreal lines = 3.5 * metrics.lineSpacing() * 25.4 / printer.resolution();
      printer.setPageSize(QPageSize(QSizeF(100, 20 + lines), QPageSize::Millimeter));
      printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
      printer.setPageRanges(QPageRanges::fromString(QString::fromLatin1(c.pages)));
      printer.setPageOrder(c.order);
      test::MessageSeen seen;
      if (c.linesPerPage.isEmpty()) test::AnswerNextMessage(&seen);
      const QString pdf = PrintToPdf(&printer);
      if (c.linesPerPage.isEmpty()) {
        QCOMPARE(seen.text, "The report has no page in the range chosen; nothing was printed.");
        QVERIFY(!QFileInfo::exists(pdf));
      } else {
        QCOMPARE(PrintedLinesPerPage(test::ReadTestFile(pdf)), c.linesPerPage);
      }
    }
  }

  void printingDialogShowsThePagesAndCancelStopsAtTheNext() {
    // Some 300 pages printed to a PDF file, or previewed, over a file of that
    // name; Cancel pressed once the dialog shows a page from the second on,
    // or at once (before the range's first page).
    enum Left { kWholePdf, kFileAsBefore };
    const struct {
      int command;
      const char* pages;
      int cancelFrom;  // the page shown when Cancel is pressed; -1 never
      Left left;
    } cases[] = {
        {kIdFilePrintDirect, "", -1, kWholePdf},
        {kIdFilePrintDirect, "", 2, kFileAsBefore},
        {kIdFilePrintDirect, "290-300", 0, kFileAsBefore},
        {kIdFilePrintPreview, "", 2, kFileAsBefore},
    };
    QByteArray bytes;
    for (int i = 1; i <= 20000; ++i) bytes += QByteArray::number(i) + '\n';
    OpenView(bytes);
    const test::WatchdogPause longPrint;
    int total = 0;  // pages of the whole report
    for (const auto& c : cases) {
      QStringList shown;  // what the dialog showed, each text once
      int shownAtCancel = -1;
      QTimer watch;
      connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CPrintingDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        int page = 0;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
          if (!shown.contains(label->text())) shown << label->text();
          if (label->text().startsWith("Page ")) page = label->text().mid(5).toInt();
        }
        if (shownAtCancel < 0 && c.cancelFrom >= 0 && page >= c.cancelFrom) {
          shownAtCancel = page;
          dialog->findChild<QPushButton*>()->click();
        }
      });
      watch.start(0);
      int previewPages = -1;
      if (c.command == kIdFilePrintPreview)
        test::OnNextModal<QPrintPreviewDialog>([&previewPages](QPrintPreviewDialog* dialog) {
          previewPages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
          dialog->reject();
        });
      QPrinter printer(QPrinter::HighResolution);
      printer.setPageRanges(QPageRanges::fromString(c.pages));
      const QString pdf = PrintToPdf(&printer, c.command, {}, "a file that was there\n");
      watch.stop();

      // The document, then the pages as they go; none after Cancel.
      QCOMPARE(shown.first(), "report.err");
      const QStringList pages = shown.filter(QRegularExpression("^Page \\d+$"));
      QVERIFY(c.cancelFrom == 0 ? pages.isEmpty() : pages.size() >= 2);
      if (c.cancelFrom > 0) QCOMPARE(pages.last(), QString("Page %1").arg(shownAtCancel));
      if (c.left == kWholePdf) total = PdfPageCount(test::ReadTestFile(pdf));
      if (c.left == kFileAsBefore) QCOMPARE(test::ReadTestFile(pdf), "a file that was there\n");
      if (c.command == kIdFilePrintPreview) QVERIFY(previewPages >= 1 && previewPages < total);
    }
  }

  void aCancelledPrintOverAnOldPdfLeavesItAsItWas() {
    // Some 300 pages printed to a PDF file, over an old file or none: the
    // print completes; is cancelled once a page is out, or before the range's
    // first page; or fails, the disk full as the printer writes the last lines
    // of the file, which it does not tell.
    enum End { kCompletes, kCancelledAfterAPage, kCancelledBeforeThePages, kFails };
    const struct {
      bool oldFile;
      End end;
    } cases[] = {
        {true, kCompletes},
        {true, kCancelledAfterAPage},
        {true, kCancelledBeforeThePages},
        {true, kFails},
        {false, kCompletes},
        {false, kCancelledAfterAPage},
        {false, kCancelledBeforeThePages},
        {false, kFails},
    };
    const QByteArray old = "a file that was there\n";
    const auto given = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                       QFile::ReadGroup;
    QByteArray bytes;
    for (int i = 1; i <= 20000; ++i) bytes += QByteArray::number(i) + '\n';
    OpenView(bytes);
    const QDir folder(m_dir->path());
    const QString pdf = folder.filePath("report.pdf");
    const test::WatchdogPause longPrint;
    qint64 trailerAt = -1;  // where the last lines of a whole print start
    for (const auto& c : cases) {
      QTimer watch;
      connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CPrintingDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        bool pageOut = false;  // shows a page from the second on
        for (const QLabel* label : dialog->findChildren<QLabel*>())
          pageOut =
              pageOut || (label->text().startsWith("Page ") && label->text().mid(5).toInt() > 1);
        if (c.end == kCancelledBeforeThePages || (c.end == kCancelledAfterAPage && pageOut))
          dialog->findChild<QPushButton*>()->click();
      });
      watch.start(0);
      test::MessageSeen seen;
      if (c.end == kFails) test::AnswerNextMessage(&seen);
      QPrinter printer(QPrinter::HighResolution);
      if (c.end == kCancelledBeforeThePages)
        printer.setPageRanges(QPageRanges::fromString("290-300"));
      std::optional<test::FileSizeLimit> full;
      if (c.end == kFails) full.emplace(trailerAt);
      PrintToPdf(&printer, kIdFilePrintDirect, pdf, c.oldFile ? old : QByteArray(), given);
      full.reset();
      watch.stop();

      const QByteArray after = test::ReadTestFile(pdf);
      if (c.end == kCompletes) {
        QVERIFY(PdfPageCount(after) > 0);
        trailerAt = after.lastIndexOf("startxref");
        if (c.oldFile) QCOMPARE(QFile::permissions(pdf), given);
      } else if (c.oldFile) {
        QCOMPARE(after, old);
      } else {
        QVERIFY(!QFileInfo::exists(pdf));
      }
      QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden),
               QFileInfo::exists(pdf) ? QStringList({"report.err", "report.pdf"})
                                      : QStringList({"report.err"}));
      QCOMPARE(seen.text, c.end == kFails
                              ? QStringLiteral("The report could not be printed to %1.").arg(pdf)
                              : QString());
      QCOMPARE(printer.outputFileName(), pdf);
    }
  }

  void aPrintThatCannotStartIsSaid() {
    OpenView();
    const QString pdf = m_dir->filePath("no such folder/report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    test::MessageSeen seen;
    test::AnswerNextMessage(&seen);
    QCOMPARE(PrintToPdf(&printer, kIdFilePrintDirect, pdf), pdf);
    QCOMPARE(seen.text, QStringLiteral("The report could not be printed to %1.").arg(pdf));
    QCOMPARE(seen.icon, QMessageBox::Critical);
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestQuandorView)
#include "test_quandorview.moc"
