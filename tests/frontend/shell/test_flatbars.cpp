// The flat menus, tool bar and status bar: the colour shades, the item
// sizes, pixels of a grabbed menu, tool bar and status bar, the cards of the
// conversions, and the mnemonic rule.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QToolButton>
#include <QtTest>

#include "frontend/res/commandids.h"
#include "frontend/res/toolbars.h"
#include "frontend/shell/ccommandtable.h"
#include "frontend/shell/cstatusbarxp.h"
#include "frontend/shell/ctoolbarxp.h"
#include "frontend/shell/flatstyle.h"
#include "frontend/shell/menukit.h"
#include "frontend/shell/shadecolor.h"
#include "frontend/shell/toolbarimages.h"

namespace kelvarin {

namespace {

constexpr int kCheckable = 40001;  // a command of the tests' own
constexpr int kButtons[] = {kIdFileOpen, 0, kIdEditCopy, kIdEditCut, kCheckable};
const ToolBarResource kBar{128, kButtons, 5, 16, 15};

// Colours compared as "#rrggbb".
QString Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)).name(); }
QString Name(const QColor& colour) { return colour.name(); }

QPoint FirstOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) == 255) return QPoint(x, y);
  return QPoint(-1, -1);
}

// A point of `image` that is opaque while the point `offset` further is
// transparent: there only what is drawn under the image shows.
QPoint OpaqueBesideTransparent(const QImage& image, int offset) {
  for (int y = 0; y + offset < image.height(); ++y)
    for (int x = 0; x + offset < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) == 255 && qAlpha(image.pixel(x + offset, y + offset)) == 0)
        return QPoint(x, y);
  return QPoint(-1, -1);
}

}  // namespace

class TestFlatBars : public QObject {
  Q_OBJECT

 private:
  // A frame with the flat tool bar and status bar and a kit menu.
  struct Frame {
    CCommandTable commands;
    QMainWindow window;
    CToolBarXP* bar;
    CStatusBarXP* status;
    QMenu* menu;
  };

  std::unique_ptr<Frame> MakeFrame() {
    auto frame = std::make_unique<Frame>();
    for (int id : {kIdFileOpen, kIdEditCut, kCheckable}) frame->commands.SetHandler(id, [] {});
    frame->commands.Action(kCheckable)->setCheckable(true);
    frame->commands.Action(kCheckable)->setChecked(true);
    frame->bar = new CToolBarXP(QStringLiteral("Standard"), &frame->window);
    frame->bar->LoadToolBar(kBar, frame->commands);
    frame->window.addToolBar(frame->bar);
    frame->status = new CStatusBarXP(&frame->window);
    const int ids[] = {kIdIndicatorCaps, kIdIndicatorNum};
    const char* const texts[] = {"CAP", "NUM"};
    frame->status->SetIndicators(ids, texts, 2);
    frame->window.setStatusBar(frame->status);
    frame->menu = frame->window.menuBar()->addMenu(QStringLiteral("&File"));
    frame->menu->addAction(frame->commands.Action(kIdFileOpen));
    frame->menu->addSeparator();
    frame->menu->addAction(frame->commands.Action(kIdEditCopy));  // no handler: greyed
    frame->commands.Action(kIdEditCopy)->setText(QStringLiteral("&Copy\tCtrl+C"));
    frame->commands.Action(kIdFileOpen)->setText(QStringLiteral("&Open...\tCtrl+O"));
    frame->menu->addAction(frame->commands.Action(kCheckable));
    frame->commands.Action(kCheckable)->setText(QStringLiteral("A long &ticked item"));
    Frame* raw = frame.get();
    connect(frame->menu, &QMenu::aboutToShow, frame->menu,
            [raw] { UpdateMenu(&raw->window, raw->menu, true); });
    SetMenuKitWindow(&frame->window, true);
    UpdateMenuBar(&frame->window);
    frame->window.resize(400, 300);
    frame->window.show();
    return frame;
  }

  static QImage OpenAndGrab(QMenu* menu, QAction* active = nullptr) {
    menu->popup(QPoint(50, 50));
    if (!QTest::qWaitForWindowExposed(menu)) return QImage();
    if (active) menu->setActiveAction(active);
    return menu->grab().toImage();
  }

 private slots:
  void initTestCase() { InstallMenuHook(); }
  void cleanupTestCase() { RemoveMenuHook(); }
  void init() { SetMenuShadowOverride(MenuShadow::kNone); }

  void shadesFollowTheLightnessAndSaturationRule() {
    // Worked out apart from the program with exact fractions.
    const struct {
      QRgb colour;
      int lightness, saturation;
      QRgb expected;
    } cases[] = {
        {qRgb(192, 192, 192), 20, 0, qRgb(204, 204, 204)},
        {qRgb(192, 192, 192), -18, 0, qRgb(157, 157, 157)},
        {qRgb(192, 192, 192), 75, 0, qRgb(239, 239, 239)},
        {qRgb(239, 239, 239), -27, 0, qRgb(174, 174, 174)},
        {qRgb(48, 140, 198), 70, -57, qRgb(204, 217, 225)},
        {qRgb(48, 140, 198), 50, -50, qRgb(169, 194, 208)},
        {qRgb(48, 140, 198), 50, -66, qRgb(175, 192, 202)},
        {qRgb(48, 140, 198), 80, -66, qRgb(222, 229, 233)},
        {qRgb(10, 36, 106), 70, -57, qRgb(173, 185, 216)},
        {qRgb(212, 208, 200), 73, 0, qRgb(242, 241, 239)},
        {qRgb(255, 0, 0), 0, 0, qRgb(254, 0, 0)},  // the bytes lose a little
        {qRgb(0, 0, 0), 20, 0, qRgb(51, 51, 51)},
        {qRgb(255, 255, 255), -15, 0, qRgb(216, 216, 216)},
        {qRgb(0, 128, 0), 50, 50, qRgb(63, 255, 63)},
        {qRgb(200, 100, 150), -40, 30, qRgb(146, 33, 92)},
    };
    for (const auto& c : cases) {
      const QColor shaded = ShadeColor(QColor(c.colour), c.lightness, c.saturation);
      QVERIFY2(shaded.rgb() == c.expected,
               qPrintable(QStringLiteral("%1 (%2,%3): got %4, expected %5")
                              .arg(QColor(c.colour).name())
                              .arg(c.lightness)
                              .arg(c.saturation)
                              .arg(shaded.name(), QColor(c.expected).name())));
    }
  }

  void menuItemsAreMeasuredByTheFormulas() {
    for (MenuShadow shadow : {MenuShadow::kNone, MenuShadow::kComposed}) {
      SetMenuShadowOverride(shadow);
      auto frame = MakeFrame();
      QMenu* menu = frame->menu;
      OpenAndGrab(menu);
      const QFontMetrics metrics = menu->fontMetrics();
      const QList<QAction*> actions = menu->actions();
      QCOMPARE(menu->actionGeometry(actions[0]).height(), MenuItemHeight(metrics));
      QCOMPARE(menu->actionGeometry(actions[1]).height(), MenuSeparatorHeight(metrics));
      QCOMPARE(menu->actionGeometry(actions[0]).topLeft(), QPoint(kMenuBorder, kMenuBorder));
      const auto width = [&metrics](const char* text) {
        return metrics
            .boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic,
                          QString::fromLatin1(text))
            .width();
      };
      // The widest label and the widest shortcut, which belong to different items.
      const int items = width("A long &ticked item") + metrics.horizontalAdvance("Ctrl+O") +
                        kPopupItemExtraWidth + PlatformItemPadding(metrics);
      const int margin = shadow != MenuShadow::kNone ? kMenuShadow : 0;
      QCOMPARE(menu->width(), items + 2 * kMenuBorder + margin);
      QCOMPARE(menu->height(), 3 * MenuItemHeight(metrics) + MenuSeparatorHeight(metrics) +
                                   2 * kMenuBorder + margin);
      menu->close();
    }
  }

  void grabbedMenuShowsColumnBoxesBorderAndShadow() {
    SetMenuShadowOverride(MenuShadow::kComposed);
    auto frame = MakeFrame();
    QMenu* menu = frame->menu;
    const QList<QAction*> actions = menu->actions();
    const QImage image = OpenAndGrab(menu, actions[0]);
    QVERIFY(!image.isNull());
    const QPalette palette = menu->palette();
    const QColor face = palette.color(QPalette::Button);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QRect open = menu->actionGeometry(actions[0]);
    const QRect separator = menu->actionGeometry(actions[1]);
    const QRect greyed = menu->actionGeometry(actions[2]);
    const QRect ticked = menu->actionGeometry(actions[3]);
    const int panelRight = image.width() - kMenuShadow - 1;
    const int panelBottom = image.height() - kMenuShadow - 1;
    const struct {
      QPoint at;
      QColor colour;
    } samples[] = {
        {{0, 0}, palette.color(QPalette::Shadow)},                     // outer border
        {{panelRight, panelBottom}, palette.color(QPalette::Shadow)},  // its far corner
        {{1, 1}, ShadeColor(face, 75, 0)},                             // inner border
        {{open.left(), open.top()}, highlight},                        // selected: the box
        {{open.right() - 2, open.top() + 2}, ShadeColor(highlight, 70, -57)},
        {{separator.left() + 1, separator.center().y()}, ShadeColor(face, 20, 0)},  // icon column
        {{separator.left() + 40, (separator.top() + separator.bottom() + 1) / 2},
         ShadeColor(face, -18, 0)},                                         // separator line
        {{greyed.right() - 2, greyed.top() + 2}, ShadeColor(face, 75, 0)},  // text area
        {{ticked.left() + 1, ticked.top() + 1}, highlight},                 // tick box
        {{ticked.left() + 2, ticked.top() + 2}, ShadeColor(highlight, 70, -57)},
    };
    for (const auto& s : samples)
      QVERIFY2(Pixel(image, s.at.x(), s.at.y()) == Name(s.colour),
               qPrintable(QStringLiteral("(%1,%2): got %3, expected %4")
                              .arg(s.at.x())
                              .arg(s.at.y())
                              .arg(Pixel(image, s.at.x(), s.at.y()), Name(s.colour))));
    // The lifted image of the selected item, over its shadow.
    const QImage picture = frame->bar->CommandImage(kIdFileOpen).toImage();
    const QPoint shadowed = OpaqueBesideTransparent(picture, 2);
    QVERIFY(shadowed.x() >= 0);
    QCOMPARE(Pixel(image, open.left() + 4 + shadowed.x(), open.top() + 4 + shadowed.y()),
             Name(ShadeColor(highlight, 50, -66)));
    // The shadow: 4 pixels, darkest next to the menu, none under its left end.
    const int w = image.width(), h = image.height();
    QCOMPARE(qAlpha(image.pixel(w - 1 - 3, 20)), (100 - 78) * 255 / 100);
    QCOMPARE(qAlpha(image.pixel(w - 1, 20)), (100 - 93) * 255 / 100);
    QCOMPARE(qAlpha(image.pixel(20, h - 1)), (100 - 93) * 255 / 100);
    QCOMPARE(qAlpha(image.pixel(1, h - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(w - 1, 1)), 0);
    menu->close();
  }

  void withoutACompositorTheShadowDarkensTheScreenBehind() {
    SetMenuShadowOverride(MenuShadow::kFromScreen);
    auto frame = MakeFrame();
    auto* central = new QWidget;
    QPalette palette = central->palette();
    const QColor behind(200, 120, 40);
    palette.setColor(QPalette::Window, behind);
    central->setPalette(palette);
    central->setAutoFillBackground(true);
    frame->window.setCentralWidget(central);
    frame->window.resize(500, 400);
    QVERIFY(QTest::qWaitForWindowExposed(&frame->window));
    QMenu* menu = frame->menu;
    menu->popup(central->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(!MenuShadowBackground(menu).isNull());
    const QImage image = menu->grab().toImage();
    const int w = image.width(), h = image.height();
    const auto darkened = [&behind](int percent) {
      return qRgb(behind.red() * percent / 100, behind.green() * percent / 100,
                  behind.blue() * percent / 100);
    };
    QCOMPARE(image.pixel(w - 1, 20), darkened(93));
    QCOMPARE(image.pixel(w - 4, 20), darkened(78));
    QCOMPARE(image.pixel(20, h - 1), darkened(93));
    QCOMPARE(image.pixel(1, h - 1), behind.rgb());  // the bare corners
    QCOMPARE(image.pixel(w - 1, 1), behind.rgb());
    menu->close();
    QVERIFY(MenuShadowBackground(menu).isNull());
  }

  void defaultItemIsBoldAndInactiveTextGrey() {
    QMenu menu;  // lends its palette and font
    const QPalette palette = menu.palette();
    QStyleOptionMenuItem option;
    option.initFrom(&menu);
    option.text = QStringLiteral("Mmmm");
    option.rect = QRect(0, 0, 150, 40);
    option.font.setPixelSize(24);  // stems wide enough to show the colour itself
    // The label's pixels in exactly `colour`, drawn as a menu draws the item.
    const auto ink = [&](QStyle::State state, QStyleOptionMenuItem::MenuItemType type,
                         const QColor& colour) {
      option.state = state;
      option.menuItemType = type;
      QImage image(option.rect.size(), QImage::Format_RGB32);
      QPainter painter(&image);
      FlatStyle::Instance()->drawControl(QStyle::CE_MenuItem, &option, &painter, &menu);
      int count = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 30; x < image.width(); ++x) count += image.pixel(x, y) == colour.rgb();
      return count;
    };
    const QStyle::State active = QStyle::State_Active | QStyle::State_Enabled;
    const QColor text = palette.color(QPalette::WindowText);
    const int plain = ink(active, QStyleOptionMenuItem::Normal, text);
    QVERIFY(plain > 5);
    QVERIFY(ink(active, QStyleOptionMenuItem::DefaultItem, text) > plain * 6 / 5);
    QVERIFY(ink(QStyle::State_Enabled, QStyleOptionMenuItem::Normal,
                palette.color(QPalette::Dark)) > 5);  // inactive
    QVERIFY(ink(QStyle::State_Active, QStyleOptionMenuItem::Normal,
                ShadeColor(palette.color(QPalette::Button), -18, 0)) > 5);  // greyed

    // The bold label is measured in bold.
    option.font = menu.font();
    const auto width = [&](QStyleOptionMenuItem::MenuItemType type) {
      option.menuItemType = type;
      return FlatStyle::Instance()
          ->sizeFromContents(QStyle::CT_MenuItem, &option, QSize(100, 20), &menu)
          .width();
    };
    QFont bold = menu.font();
    bold.setBold(true);
    const auto measured = [&option](const QFontMetrics& metrics) {
      return metrics.boundingRect(QRect(), Qt::TextSingleLine, option.text).width();
    };
    QCOMPARE(width(QStyleOptionMenuItem::DefaultItem) - width(QStyleOptionMenuItem::Normal),
             measured(QFontMetrics(bold)) - measured(menu.fontMetrics()));
  }

  void shadowBandsHaveRoundedEnds() {
    const std::vector<ShadowPixel> pixels = MenuShadowPixels(40, 30);
    const auto percentAt = [&pixels](int x, int y) {
      int found = -1;
      for (const ShadowPixel& p : pixels)
        if (p.x == x && p.y == y) {
          if (found >= 0) return -2;  // drawn twice
          found = p.percent;
        }
      return found;
    };
    const struct {
      int x, y, percent;
    } cases[] = {
        {4, 29, -1},  {4, 27, 93},  {4, 26, 93},  {5, 26, 88},  {6, 26, 83}, {20, 26, 78},
        {20, 29, 93}, {39, 20, 93}, {36, 20, 78}, {39, 5, -1},  {37, 4, 93}, {36, 6, 83},
        {39, 26, 93}, {39, 28, -1}, {38, 28, 88}, {35, 26, 78}, {3, 28, -1}, {20, 25, -1},
    };
    for (const auto& c : cases)
      QVERIFY2(
          percentAt(c.x, c.y) == c.percent,
          qPrintable(QStringLiteral("(%1,%2): %3").arg(c.x).arg(c.y).arg(percentAt(c.x, c.y))));
  }

  void toolBarButtonsHotPressedInAndDisabled() {
    auto frame = MakeFrame();
    CToolBarXP* bar = frame->bar;
    QVERIFY(QTest::qWaitForWindowExposed(&frame->window));
    const QPalette palette = bar->palette();
    const QColor face = palette.color(QPalette::Button);
    const QColor highlight = palette.color(QPalette::Highlight);
    const auto button = [&](int id) {
      return qobject_cast<QToolButton*>(bar->widgetForAction(frame->commands.Action(id)));
    };
    // A button shows on the bar's background.
    const auto grab = [bar](QToolButton* b) { return bar->grab(b->geometry()).toImage(); };
    QCOMPARE(button(kIdFileOpen)->size(), QSize(16 + 7, 15 + 7));

    // Disabled: a flat grey silhouette and no box.
    const QImage copyImage = bar->CommandImage(kIdEditCopy).toImage();
    const QPoint solid = FirstOpaque(copyImage);
    QImage shot = grab(button(kIdEditCopy));
    QCOMPARE(Pixel(shot, 3 + solid.x(), 3 + solid.y()), Name(ShadeColor(face, -27, 0)));
    QCOMPARE(Pixel(shot, 0, 0), Name(ShadeColor(face, 20, 0)));

    // Pressed in (checked), not hot: the pale box.
    shot = grab(button(kCheckable));
    QCOMPARE(Pixel(shot, 0, 0), Name(highlight));
    QCOMPARE(Pixel(shot, 1, 1), Name(ShadeColor(highlight, 80, -66)));

    // Hot: the box, the image lifted over its shadow.
    QToolButton* open = button(kIdFileOpen);
    QTest::mouseMove(open, QPoint(5, 5));
    QTRY_VERIFY(open->underMouse());
    shot = grab(open);
    QCOMPARE(Pixel(shot, 0, 0), Name(highlight));
    QCOMPARE(Pixel(shot, 1, 1), Name(ShadeColor(highlight, 70, -57)));
    const QImage openImage = bar->CommandImage(kIdFileOpen).toImage();
    const QPoint lifted = OpaqueBesideTransparent(openImage, 2);
    QCOMPARE(Pixel(shot, 4 + lifted.x(), 4 + lifted.y()), Name(ShadeColor(highlight, 50, -66)));

    // Pressed: the stronger box, the image back in its place.
    QTest::mousePress(open, Qt::LeftButton, {}, QPoint(5, 5));
    shot = grab(open);
    QCOMPARE(Pixel(shot, 1, 1), Name(ShadeColor(highlight, 50, -50)));
    QCOMPARE(Pixel(shot, 3 + lifted.x(), 3 + lifted.y()), Name(openImage.pixelColor(lifted)));
    QTest::mouseRelease(open, Qt::LeftButton, {}, QPoint(5, 5));
  }

  void statusBarPanesHaveAThinFrame() {
    auto frame = MakeFrame();
    CStatusBarXP* status = frame->status;
    QVERIFY(QTest::qWaitForWindowExposed(&frame->window));
    QVERIFY(status->height() >= 20);
    const QImage shot = status->grab().toImage();
    const QColor frameColour = status->palette().color(QPalette::Dark);
    const QList<QRect> panes = status->PaneRects();
    QCOMPARE(panes.size(), 3);
    for (const QRect& pane : panes) {
      QCOMPARE(Pixel(shot, pane.left(), pane.center().y()), Name(frameColour));
      QCOMPARE(Pixel(shot, pane.right(), pane.center().y()), Name(frameColour));
      QCOMPARE(Pixel(shot, pane.center().x(), pane.top()), Name(frameColour));
      QCOMPARE(Pixel(shot, pane.center().x(), pane.bottom()), Name(frameColour));
      QVERIFY(Pixel(shot, pane.left() + 1, pane.top() + 1) != Name(frameColour));
    }
    // Each indicator keeps its width inside its frame.
    QLabel* caps = status->Indicator(kIdIndicatorCaps);
    QCOMPARE(panes[1], caps->geometry().adjusted(-1, -1, 1, 1));
    QVERIFY(panes[0].right() < panes[1].left());
  }

  // No light pixel of a card's label lies on the card's outline, at the
  // image's left or right edge: the label stays inside the badge.
  void cardLabelsStayInsideTheirBadges() {
    const QSize size(MenuImageBar().imageWidth, MenuImageBar().imageHeight);
    for (int command = 32771; command <= 32781; ++command) {
      const QImage image =
          ToolBarImage(command, size).toImage().convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < size.height(); ++y)
        for (int x : {0, size.width() - 1}) {
          const QColor c = image.pixelColor(x, y);
          QVERIFY2(c.alpha() < 128 || std::min({c.red(), c.green(), c.blue()}) < 160,
                   qPrintable(QString::number(command)));
        }
    }
  }

  void mnemonicRunsTheFirstItemThatMarksTheLetter() {
    const struct {
      QStringList labels;
      char key;
      int expected;
    } cases[] = {
        {{"&Open...", "Print &Setup..."}, 's', 1},
        {{"ICD-&O-1 -> ICD-O-2", "ICD-&O-2 -> ICD-10"}, 'o', 0},  // the first of two
        {{"&File", "Find &All &Text"}, 't', 1},                   // not only the first mark
        {{"Save &&Exit", "E&xit"}, 'e', -1},                      // "&&" is a plain "&"
        {{"Save &&Exit", "E&xit"}, 'X', 1},
        {{"", "&Help"}, 'h', 1},  // a separator has no label
        {{"Tools&"}, 't', -1},
        {{"&a\tCtrl+A"}, 'a', 0},
    };
    for (const auto& c : cases)
      QVERIFY2(FindMenuMnemonic(c.labels, QChar(c.key)) == c.expected,
               qPrintable(c.labels.join('|') + QLatin1Char(' ') + QChar(c.key)));

    // In an open menu the first of two items with the same letter runs at once.
    auto frame = MakeFrame();
    QMenu* menu = frame->window.menuBar()->addMenu(QStringLiteral("&Conversions"));
    QAction* first = menu->addAction(QStringLiteral("ICD-&O-1 -> ICD-O-2"));
    QAction* second = menu->addAction(QStringLiteral("ICD-&O-2 -> ICD-10"));
    connect(menu, &QMenu::aboutToShow, menu, [&] { UpdateMenu(&frame->window, menu, true); });
    QSignalSpy firstRuns(first, &QAction::triggered);
    QSignalSpy secondRuns(second, &QAction::triggered);
    OpenAndGrab(menu);
    QTest::keyClick(menu, Qt::Key_O);
    QCOMPARE(firstRuns.count(), 1);
    QCOMPARE(secondRuns.count(), 0);
    QTRY_VERIFY(!menu->isVisible());
  }

  // Right in a submenu that opened under the mouse goes into it, and Return
  // then runs its first item, not an item of the bar's next menu.
  void rightEntersASubmenuOpenedByHovering() {
    auto frame = MakeFrame();
    QMenuBar* bar = frame->window.menuBar();
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QMenu* internet = help->addMenu(QStringLiteral("On the &Internet"));
    QAction* home = internet->addAction(QStringLiteral("&Home Page"));
    UpdateMenu(&frame->window, help, true);
    UpdateMenu(&frame->window, internet, true);
    QSignalSpy homeRuns(home, &QAction::triggered);
    QSignalSpy openRuns(frame->commands.Action(kIdFileOpen), &QAction::triggered);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help->menuAction()).center());
    QTRY_VERIFY(help->isVisible());
    QTest::mouseMove(help, help->actionGeometry(internet->menuAction()).center());
    QTRY_VERIFY(internet->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    QVERIFY(!frame->menu->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QCOMPARE(homeRuns.count(), 1);
    QCOMPARE(openRuns.count(), 0);
  }
};

}  // namespace kelvarin

QTEST_MAIN(kelvarin::TestFlatBars)
#include "test_flatbars.moc"
