#include "frontend/app/caboutdlg.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <iterator>

#include "common/reportname.h"
#include "frontend/res/strings.h"
#include "frontend/res/toolnames.h"
#include "frontend/res/versioninfo.h"
#include "frontend/shell/cstaticlink.h"
#include "frontend/shell/shellmessage.h"
#include "platform/dialogunits.h"
#include "platform/programicon.h"

namespace kelvarin {

namespace {

constexpr int kDialogId = 101;
constexpr int kListId = 1000;
constexpr int kContactId = 690;
constexpr const char* kContactAddress = "kelvarin@example.org";
constexpr const char* kNotThere = "...";

struct ListColumn {
  const char* title;
  int width;
};
constexpr ListColumn kColumns[] = {
    {"Conversion/Tool", 250}, {"Program", 100}, {"Creation date", 150}, {"File size", 100}};
constexpr int kSizeColumn = 3;

// The credits: author, department, organisation and place.
constexpr const char* kCredits[] = {"Written by the Kelvarin developers", "Registry tools group",
                                    "The Kelvarin project", "Worldwide"};

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& rect) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(rect);
  return label;
}

// An etched separator across the dialog.
class EtchedLine : public QFrame {
 public:
  explicit EtchedLine(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Sunken);
  }
};

}  // namespace

CAboutDlg::CAboutDlg(const QString& pgmFolder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dialog%1").arg(kDialogId));
  setWindowTitle(QStringLiteral("About Kelvarin"));

  m_list = new QTreeWidget(this);
  m_list->setObjectName(QStringLiteral("list%1").arg(kListId));
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->header()->setSectionsClickable(false);
  m_list->header()->setStretchLastSection(false);
  m_versionLine = new QLabel(this);
  m_legalLine = new QLabel(this);
  m_buildLine = new QLabel(this);
  OnInitDialog(pgmFolder);

  // The list shows its four columns and every row without scrolling; the
  // dialog grows beyond its own size by what the list needs more.
  const QSize listSize = DialogRect(this, 7, 112, 318, 80).size();
  const QSize wanted = FitProgramList();
  const int dx = qMax(0, wanted.width() - listSize.width());
  const int dy = qMax(0, wanted.height() - listSize.height());
  auto place = [this](QWidget* widget, int x, int y, int width, int height, QMargins grow) {
    widget->setGeometry(DialogRect(this, x, y, width, height)
                            .adjusted(grow.left(), grow.top(), grow.right(), grow.bottom()));
  };
  setFixedSize(DialogRect(this, 0, 0, 332, 216).size() + QSize(dx, dy));

  auto* picture = new QLabel(this);
  picture->setPixmap(ProgramIcon().pixmap(DialogRect(this, 0, 0, 40, 40).size()));
  place(picture, 7, 7, 42, 42, {});
  picture->setAlignment(Qt::AlignCenter);
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  place(icon, 303, 7, 22, 20, {dx, 0, dx, 0});
  icon->setAlignment(Qt::AlignRight | Qt::AlignTop);

  place(m_versionLine, 56, 10, 240, 9, {});
  place(m_legalLine, 56, 21, 240, 9, {});
  place(m_buildLine, 56, 32, 240, 9, {});
  place(new EtchedLine(this), 7, 52, 318, 2, {0, 0, dx, 0});

  auto* credits = new QGroupBox(this);
  place(credits, 7, 55, 318, 53, {0, 0, dx, 0});
  for (int i = 0; i < 4; ++i)
    AddLabel(credits, QString::fromLatin1(kCredits[i]), DialogRect(this, 8, 8 + 10 * i, 180, 9));
  m_link =
      new CStaticLink(QString::fromLatin1(kContactAddress),
                      QStringLiteral("mailto:%1?subject=Kelvarin").arg(kContactAddress), credits);
  m_link->setObjectName(QStringLiteral("static%1").arg(kContactId));
  m_link->setGeometry(DialogRect(this, 200, 38, 110, 9));

  place(m_list, 7, 112, 318, 80, {0, 0, dx, dy});
  place(new EtchedLine(this), 7, 195, 318, 2, {0, dy, dx, dy});
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  place(ok, 275, 198, 50, 14, {dx, dy, dx, dy});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::OnInitDialog(const QString& pgmFolder) {
  VersionInfo version;
  version.LoadModule();
  m_versionLine->setText(ResText(kIdsAppTitle) + QStringLiteral(" Version ") +
                         QString::fromStdString(version.GetString("FileVersion")));
  m_legalLine->setText(QString::fromStdString(version.GetString("LegalCopyRight")));
  m_buildLine->setText(QStringLiteral("Built ") + QString::fromLatin1(BuildDate()));

  QStringList titles;
  for (const ListColumn& column : kColumns) titles.append(QString::fromLatin1(column.title));
  m_list->setHeaderLabels(titles);
  m_list->headerItem()->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
  for (int i = 0; i < kToolCount; ++i) {
    auto* row = new QTreeWidgetItem(m_list, ToolProgramRow(pgmFolder, i));
    row->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
  }
}

QSize CAboutDlg::FitProgramList() {
  int width = 0;
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    m_list->resizeColumnToContents(i);
    m_list->setColumnWidth(i, qMax(kColumns[i].width, m_list->columnWidth(i)));
    width += m_list->columnWidth(i);
  }
  const int rows = m_list->topLevelItemCount() * m_list->sizeHintForRow(0);
  const int frame = 2 * m_list->frameWidth();
  // Sized to its columns, the list needs no horizontal scroll bar; left to
  // itself it would take one while laying out at its first, smaller size.
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return {width + frame, m_list->header()->sizeHint().height() + rows + frame};
}

QStringList CAboutDlg::ToolProgramRow(const QString& pgmFolder, int index) {
  const QString program = QString::fromLatin1(ToolNames[index]);
  QStringList row = {ResText(ToolTitleId(index)), program};
  const QFileInfo file(QDir(pgmFolder).filePath(program));
  if (!file.isFile()) return row << kNotThere << kNotThere;
  // Sizes are 64-bit: a file over 4 GB shows its true size.
  return row << FileDateText(file.lastModified().toLocalTime())
             << QStringLiteral("%1 bytes").arg(file.size());
}

QString CAboutDlg::FileDateText(const QDateTime& localTime) {
  const QDate date = localTime.date();
  const QTime time = localTime.time();
  return QString::asprintf("%3.3s %02d %4d-%02d:%02d", MonthNames[date.month() - 1], date.day(),
                           date.year(), time.hour(), time.minute());
}

QString CAboutDlg::VersionLine() const { return m_versionLine->text(); }
QString CAboutDlg::LegalLine() const { return m_legalLine->text(); }
QString CAboutDlg::BuildLine() const { return m_buildLine->text(); }

}  // namespace kelvarin
