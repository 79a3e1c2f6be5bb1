// Pictures for a reviewer: the main window, its open Help menu and the About
// box listing the programs of the build's install tree, saved as PNG files in
// the build folder's "screenshots".
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "frontend/app/caboutdlg.h"
#include "frontend/app/cquandorapp.h"
#include "frontend/shell/cmainframe.h"

namespace kelvarin {

class TestScreenshots : public QObject {
  Q_OBJECT

 private:
  static void Save(const QImage& image, const char* name) {
    QVERIFY(!image.isNull());
    const QString path = QDir(KELVARIN_SCREENSHOT_DIR).filePath(QString::fromLatin1(name));
    QVERIFY2(image.save(path), qPrintable(path));
  }

  // The screen where `window` lies, with every window over it.
  static QImage ScreenAround(QWidget* window) {
    return window->screen()->grabWindow(0).toImage().copy(window->frameGeometry());
  }

 private slots:
  void initTestCase() { QVERIFY(QDir().mkpath(KELVARIN_SCREENSHOT_DIR)); }

  void mainWindowMenuAndAboutBox() {
    QTemporaryDir home;
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(home.path()));
    CQuandorApp app(home.filePath("Kelvarin.ini"));
    QVERIFY(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    frame->setGeometry(0, 0, 760, 520);  // within the offscreen screen
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    Save(frame->grab().toImage(), "mainwindow.png");

    // The Help menu hanging from its bar item, the Internet popup open.
    QMenuBar* bar = frame->menuBar();
    QAction* help = bar->actions().last();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    QMenu* menu = help->menu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QAction* internet = menu->actions().at(2);
    menu->setActiveAction(internet);
    QTest::keyClick(menu, Qt::Key_Right);
    QVERIFY(QTest::qWaitForWindowExposed(internet->menu()));
    Save(ScreenAround(frame), "menu.png");
    menu->close();

    CAboutDlg about(KELVARIN_PGM_DIR, frame);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.ProgramList()->topLevelItemCount(), 14);
    Save(about.grab().toImage(), "about.png");
    about.close();
    app.ExitInstance();
    QDir::setCurrent(start);
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestScreenshots)
#include "test_screenshots.moc"
