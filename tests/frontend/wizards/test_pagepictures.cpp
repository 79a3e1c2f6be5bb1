// The pictures of the wizard pages at their first showing: the wizard's icon
// at the top right of every page, the Files pages' icon at the top left, the
// picture beside the list of checks and the icons of the transfer's columns;
// each drawn (not plain background) and clear of every control; and the
// list of variables of every layout page inside its box.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "frontend/wizards/chkwizard.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/mulwizard.h"
#include "frontend/wizards/transwiz1.h"
#include "frontend/wizards/transwiz2.h"
#include "frontend/wizards/transwizard.h"
#include "tests/frontend/wizards/wizardtesting.h"
#include "tests/support/testfiles.h"

using namespace kelvarin;
using namespace kelvarin::test;

namespace {

enum Wizard { kCheck, kMultiple, kConversion, kTransfer };
enum Place { kTopRight, kTopLeft, kLeft };

std::unique_ptr<CWizardSheet> MakeSheet(int wizard, int conversionIndex) {
  const JobSettings application;
  switch (wizard) {
    case kCheck:
      return std::make_unique<CCHKwizard>(application);
    case kMultiple:
      return std::make_unique<CMULwizard>(application);
    case kConversion:
      return std::make_unique<CCVTwizard>(application, conversionIndex);
    default:
      return std::make_unique<CTRANSwizard>(application);
  }
}

// Pixels of `rect` unlike the page's background, as a share of the rect.
double Ink(const QImage& image, const QRect& rect, const QColor& background) {
  int unlike = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (qAbs(pixel.red() - background.red()) + qAbs(pixel.green() - background.green()) +
              qAbs(pixel.blue() - background.blue()) >
          48)
        ++unlike;
    }
  return rect.isEmpty() ? 0.0 : double(unlike) / (rect.width() * rect.height());
}

QRect InPage(const QWidget* page, const QWidget* control) {
  return QRect(control->mapTo(page, QPoint(0, 0)), control->size());
}

// The picture at `place`, drawn, standing in its corner or at the left, and
// overlapping no visible control but its own.
void ExpectPicture(CWizPage* page, Place place, const QRect& rect, const QWidget* own) {
  const QString where = QStringLiteral("page %1 place %2").arg(page->id()).arg(place);
  QVERIFY2(!rect.isEmpty(), qPrintable(where));
  constexpr int kNear = 16;
  const bool placed =
      place == kTopRight  ? rect.right() >= page->width() - kNear && rect.top() <= kNear
      : place == kTopLeft ? rect.left() <= kNear && rect.top() <= kNear
                          : rect.left() <= kNear && rect.height() > page->height() / 2;
  QVERIFY2(placed, qPrintable(where));
  const QImage image = page->grab().toImage();
  QVERIFY2(Ink(image, rect, page->palette().color(QPalette::Window)) > 0.2, qPrintable(where));
  for (const QWidget* control : page->findChildren<QWidget*>()) {
    if (!control->isVisible() || control == own) continue;
    if (own != nullptr && (control->isAncestorOf(own) || own->isAncestorOf(control))) continue;
    QVERIFY2(!InPage(page, control).intersects(rect),
             qPrintable(where + QStringLiteral(" under ") + control->metaObject()->className()));
  }
}

}  // namespace

class PagePictures : public QObject {
  Q_OBJECT

 private slots:
  void pictures_data() {
    QTest::addColumn<int>("wizard");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("filesPage");
    QTest::newRow("check files") << int(kCheck) << int(CCHKwizard::kFilesPage) << true;
    QTest::newRow("check layout") << int(kCheck) << int(CCHKwizard::kLayoutPage) << false;
    QTest::newRow("check format") << int(kCheck) << int(CCHKwizard::kFormatPage) << false;
    QTest::newRow("check finish") << int(kCheck) << int(CCHKwizard::kFinishPage) << false;
    QTest::newRow("multiple files") << int(kMultiple) << int(CMULwizard::kFilesPage) << true;
    QTest::newRow("multiple layout") << int(kMultiple) << int(CMULwizard::kLayoutPage) << false;
    QTest::newRow("multiple format") << int(kMultiple) << int(CMULwizard::kFormatPage) << false;
    QTest::newRow("conversion files") << int(kConversion) << int(CCVTwizard::kFilesPage) << true;
    for (int index = 0; index < kConversionCount; ++index)
      QTest::addRow("conversion layout %d", index)
          << int(kConversion) << CCVTwizard::kFirstLayoutPage + index << false;
    QTest::newRow("transfer files") << int(kTransfer) << int(CTRANSwizard::kFilesPage) << true;
    QTest::newRow("transfer columns") << int(kTransfer) << int(CTRANSwizard::kColumnsPage) << false;
  }

  void pictures() {
    QFETCH(int, wizard);
    QFETCH(int, page);
    QFETCH(bool, filesPage);
    const int conversionIndex = wizard == kConversion && page != CCVTwizard::kFilesPage
                                    ? page - CCVTwizard::kFirstLayoutPage
                                    : 6;
    std::unique_ptr<CWizardSheet> sheet = MakeSheet(wizard, conversionIndex);
    sheet->setStartId(page);
    sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
    auto* shown = qobject_cast<CWizPage*>(sheet->currentPage());
    QVERIFY(shown != nullptr);

    // The transfer's columns page shows the wizard's icon in a static.
    const QWidget* iconStatic = shown->findChild<QWidget*>(QStringLiteral("static1021"));
    ExpectPicture(shown, kTopRight,
                  iconStatic != nullptr ? InPage(shown, iconStatic) : shown->sheetIconRect(),
                  iconStatic);
    if (filesPage) ExpectPicture(shown, kTopLeft, shown->leftIconRect(), nullptr);
    if (const QWidget* bitmap = shown->findChild<QWidget*>(QStringLiteral("picture")))
      ExpectPicture(shown, kLeft, InPage(shown, bitmap), bitmap);
    QCOMPARE(shown->findChild<QWidget*>(QStringLiteral("picture")) != nullptr,
             page == CCHKwizard::kFinishPage);

    // A layout page's list stands inside its box, below the box's title and
    // top border, and shows whole rows only.
    if (auto* layout = qobject_cast<CWizLayout*>(shown)) {
      const QListWidget* list = layout->variableList();
      for (const QGroupBox* box : shown->findChildren<QGroupBox*>())
        if (box->title() == QStringLiteral("Variables"))
          QVERIFY(
              QRect(box->mapTo(shown, box->contentsRect().topLeft()), box->contentsRect().size())
                  .contains(InPage(shown, list)));
      QCOMPARE(list->viewport()->height() % list->visualItemRect(list->item(0)).height(), 0);
    }

    // Paths longer than the page is wide leave the icon as it was.
    const QRect icon = shown->sheetIconRect();
    const QImage before = shown->grab(icon).toImage();
    sheet->settings().inputFile = sheet->settings().outputFile = std::string(400, 'W');
    QCOMPARE(shown->grab(icon).toImage(), before);
  }

  // Each column of the transfer shows a small coloured icon before its name.
  void columnIcons() {
    TempDir folder;
    JobSettings application;
    CTRANSwizard sheet(application);
    sheet.show();
    MessageRecorder messages;
    sheet.filesPage()->inputEdit()->setText(
        FromLocalPath(folder.Write("cases.csv", "Patient,Sex,Age\n1001,1,45\n")));
    sheet.filesPage()->outputEdit()->setText(FromLocalPath(folder / "cases.prn"));
    Press(sheet, QWizard::NextButton);
    QCOMPARE(messages.Take(), QStringList());
    QCOMPARE(sheet.currentId(), int(CTRANSwizard::kColumnsPage));
    QTreeWidget* tree = sheet.columnsPage()->columnTree();
    tree->clearSelection();
    const QImage image = tree->viewport()->grab().toImage();
    for (int row = 0; row < tree->topLevelItemCount(); ++row) {
      const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
      int coloured = 0;
      for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
          if (image.pixelColor(x, y).hsvSaturation() > 100) ++coloured;
      QVERIFY2(coloured > 20, qPrintable(tree->topLevelItem(row)->text(0)));
    }
  }
};

QTEST_MAIN(PagePictures)
#include "test_pagepictures.moc"
