// The About box (its lines and the tool programs' rows), the contact link
// and OpenUrl.
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include "frontend/app/caboutdlg.h"
#include "frontend/app/weblinks.h"
#include "frontend/res/versionstrings.h"
#include "frontend/shell/cstaticlink.h"
#include "platform/messagebox.h"
#include "tests/frontend/app/urlcatcher.h"

namespace kelvarin {

class TestAboutDlg : public QObject {
  Q_OBJECT

 private:
  // A program file with a last-write time and a size (a sparse file: no
  // disk space is taken).
  static void WriteProgram(const QString& path, const QDateTime& written, qint64 size) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
    QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
  }

 private slots:
  void rowsListEveryToolProgramWithItsLocalDateAndSize() {
    // Half an hour off the hour from UTC, so a date shown in UTC would not pass.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "XST-5:30");
    QTemporaryDir pgm;
    const QDateTime utc(QDate(2021, 3, 4), QTime(3, 37, 30), Qt::UTC);
    WriteProgram(pgm.filePath("Gorvat"), utc, 5LL << 30);  // over 4 GB
    WriteProgram(pgm.filePath("Tesmar"), QDateTime(QDate(2020, 12, 31), QTime(23, 59), Qt::UTC),
                 1234);
    QVERIFY(QDir(pgm.path()).mkdir("Alquen"));  // a folder is not a program
    CAboutDlg dialog(pgm.path());
    const QTreeWidget* list = dialog.ProgramList();
    QCOMPARE(list->topLevelItemCount(), 14);
    const QStringList expected[] = {
        {"ICD-9 to ICD-O-2", "Alquen", "...", "..."},
        {"ICD-O-2 to ICD-O-3", "Gorvat", "Mar 04 2021-09:07", "5368709120 bytes"},
        {"ICD-O-2 to ICD-9", "Hulmen", "...", "..."},  // not part of the suite
        {"Orvo/Semu check program", "Tesmar", "Jan 01 2021-05:29", "1234 bytes"},
        {"Orvo/Semu multiple primary check program", "Multiple", "...", "..."},
    };
    const int rows[] = {0, 6, 7, 12, 13};
    for (int i = 0; i < 5; ++i) {
      QStringList seen;
      for (int column = 0; column < 4; ++column)
        seen.append(list->topLevelItem(rows[i])->text(column));
      QCOMPARE(seen, expected[i]);
    }
    QCOMPARE(list->topLevelItem(9)->text(0),
             QStringLiteral("ICD-O-3 (first revision, 2013) to ICD-10 (2010 edition)"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("Creation date"));
    QVERIFY(list->topLevelItem(6)->textAlignment(3) & Qt::AlignRight);
    if (zone.isNull())
      qunsetenv("TZ");
    else
      qputenv("TZ", zone);
  }

  void listShowsEveryColumnAndRowWhole() {
    // Every title, date and size of a real program whole, no scrolling, and
    // the dialog holding the list above its OK button.
    QTemporaryDir pgm;
    for (const char* program : {"Jantrik", "Lumpret", "Multiple"})
      WriteProgram(pgm.filePath(program), QDateTime::currentDateTime(), 123456789);
    CAboutDlg dialog(pgm.path());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QTreeWidget* list = dialog.ProgramList();
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY(!list->verticalScrollBar()->isVisible());
    QCOMPARE(list->header()->length(), list->viewport()->width());
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const QRect viewport = list->viewport()->rect();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      for (int column = 0; column < 4; ++column) {
        const QModelIndex index = list->model()->index(row, column);
        const QRect cell = list->visualRect(index);
        const QString text = index.data().toString();
        QVERIFY2(viewport.contains(cell), qPrintable(text));
        QVERIFY2(list->fontMetrics().horizontalAdvance(text) + 2 * margin <= cell.width(),
                 qPrintable(text));
      }
    }
    const QRect listRect = list->geometry();
    const QPushButton* ok = dialog.findChild<QPushButton*>();
    QVERIFY(dialog.rect().contains(listRect));
    QVERIFY(dialog.rect().contains(ok->geometry()));
    QVERIFY(ok->geometry().top() > listRect.bottom());
    QCOMPARE(ok->geometry().right(), listRect.right());
  }

  void linesCarryTheVersionLegalAndBuildStrings() {
    QTemporaryDir pgm;
    CAboutDlg dialog(pgm.path());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Kelvarin"));
    QCOMPARE(dialog.VersionLine(), QStringLiteral("Kelvarin Version " KELVARIN_FILE_VERSION));
    QCOMPARE(dialog.LegalLine(), QStringLiteral(KELVARIN_LEGAL_COPYRIGHT));
    QVERIFY(!dialog.LegalLine().isEmpty());
    QVERIFY2(QRegularExpression("^Built [A-Z][a-z]{2} [ 123]\\d \\d{4}$")
                 .match(dialog.BuildLine())
                 .hasMatch(),
             qPrintable(dialog.BuildLine()));
  }

  void contactLinkTurnsPurpleOnlyWhenOpened() {
    QTemporaryDir pgm;
    CAboutDlg dialog(pgm.path());
    CStaticLink* link = dialog.ContactLink();
    QCOMPARE(link->text(), QStringLiteral("kelvarin@example.org"));
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    // No program takes the address: it stays blue.
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(link->Color(), CStaticLink::kUnvisitedColor);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "openUrl");
    QTest::mouseClick(link, Qt::RightButton);  // only the left button opens
    QVERIFY(catcher.opened.isEmpty());
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(catcher.opened, {QUrl("mailto:kelvarin@example.org?subject=Kelvarin")});
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  }

  void openUrlSaysWhenNothingOpensTheAddress() {
    QStringList messages;
    SetMessageHandler([&messages](MessageKind kind, const QString& text) {
      messages.append(QString::number(static_cast<int>(kind)) + ' ' + text);
      return false;
    });
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "openUrl");
    OpenUrl(nullptr, QString::fromLatin1(kWebLinks[4].address));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, {QUrl("https://icd.who.int/browse10/2010/en")});
    QVERIFY(messages.isEmpty());

    // No program for the address and no xdg-open on the PATH.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    OpenUrl(nullptr, QString::fromLatin1(kWebLinks[0].address));
    qputenv("PATH", path);
    SetMessageHandler({});
    QCOMPARE(messages, {QStringLiteral("0 Cannot connect to the internet (2,2)")});
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestAboutDlg)
#include "test_aboutdlg.moc"
