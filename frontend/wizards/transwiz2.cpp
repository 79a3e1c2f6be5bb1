#include "frontend/wizards/transwiz2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "frontend/res/imageids.h"
#include "frontend/res/pictures.h"
#include "frontend/wizards/transwizard.h"
#include "frontend/wizards/wizardsheet.h"
#include "platform/dialogunits.h"
#include "platform/messagebox.h"
#include "tools/transfer/transferpreview.h"

namespace kelvarin {

namespace {

// Fields and column names are the file's bytes: shown as UTF-8 when they
// are valid UTF-8, otherwise as Latin-1.
QString FieldText(const std::string& field) {
  const auto size = static_cast<qsizetype>(field.size());
  return IsValidUtf8(field) ? QString::fromUtf8(field.data(), size)
                            : QString::fromLatin1(field.data(), size);
}

// The static that shows the wizard's icon on this page.
constexpr int kIconStaticId = 1021;
constexpr int kItemIconSize = 16;

// Every item of the column list shows the same small icon before its name.
class ColumnItemDelegate : public QStyledItemDelegate {
 public:
  ColumnItemDelegate(const QIcon& icon, QObject* parent)
      : QStyledItemDelegate(parent), m_icon(icon) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = m_icon;
    option->decorationSize = QSize(kItemIconSize, kItemIconSize);
  }

 private:
  QIcon m_icon;
};

// Width of a preview column, in pixels.
constexpr int kPreviewColumnWidth = 75;
// Lines the result text shows without scrolling: "Done!", the count, the
// two files with "to" between them, the line about cut values and the line
// about line breaks inside quotes.
constexpr int kResultLines = 7;

}  // namespace

CTRANSwiz2::CTRANSwiz2(QWidget* parent)
    : CWizPage({CTRANSwizard::kColumnsPage, "File Transfer (2/2)", "htm/FileTransfer.htm", -1},
               parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  auto* instruction = new QLabel(
      QStringLiteral("Select the variables you wish to transfer by clicking on the corresponding "
                     "column in the list.\nClick on 'Finish' to start processing or on 'Cancel' "
                     "to leave."));
  instruction->setWordWrap(true);
  // The wizard's icon stands in a static of its own at the right of the
  // instruction, in place of the one the other pages draw.
  HideSheetIcon();
  auto* icon = new QLabel;
  icon->setObjectName(QStringLiteral("static%1").arg(kIconStaticId));
  icon->setPixmap(IconPicture(kIdIconTransferWizard, kPageIconSize, devicePixelRatioF()));
  icon->setFixedSize(kPageIconSize, kPageIconSize);
  auto* top = new QHBoxLayout;
  top->addWidget(instruction, 1);
  top->addWidget(icon, 0, Qt::AlignTop);
  layout->addLayout(top);

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(QStringLiteral("Variables:")), 0, 0);
  m_caption = new QLineEdit;
  m_caption->setObjectName(QStringLiteral("caption"));
  m_caption->setReadOnly(true);
  lists->addWidget(m_caption, 0, 1);
  m_tree = new QTreeWidget;
  m_tree->setObjectName(QStringLiteral("variables"));
  m_tree->setHeaderHidden(true);
  m_tree->setRootIsDecorated(false);
  m_tree->setIconSize(QSize(kItemIconSize, kItemIconSize));
  m_tree->setItemDelegate(new ColumnItemDelegate(
      QIcon(IconPicture(kIdIconTransferWizard, kItemIconSize, devicePixelRatioF())), m_tree));
  m_tree->setFixedWidth(DialogRect(this, 0, 0, 95, 0).width());
  m_tree->installEventFilter(this);
  lists->addWidget(m_tree, 1, 0);
  m_preview = new QTreeWidget;
  m_preview->setObjectName(QStringLiteral("preview"));
  m_preview->setRootIsDecorated(false);
  m_preview->setUniformRowHeights(true);
  m_preview->setAllColumnsShowFocus(true);
  m_preview->header()->setStretchLastSection(false);
  m_preview->header()->setDefaultSectionSize(kPreviewColumnWidth);
  lists->addWidget(m_preview, 1, 1);
  lists->setColumnStretch(1, 1);
  layout->addLayout(lists, 1);

  // Both keep their place while hidden, so the lists do not move when the
  // transfer starts and ends.
  m_progress = new QProgressBar;
  m_progress->setObjectName(QStringLiteral("progress"));
  m_progress->setRange(0, 100);
  QSizePolicy keepPlace = m_progress->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  m_progress->setSizePolicy(keepPlace);
  layout->addWidget(m_progress);
  m_result = new QPlainTextEdit;
  m_result->setObjectName(QStringLiteral("result"));
  m_result->setReadOnly(true);
  m_result->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QMargins margins = m_result->contentsMargins();
  m_result->setFixedHeight(m_result->fontMetrics().lineSpacing() * kResultLines +
                           2 * static_cast<int>(m_result->document()->documentMargin()) +
                           margins.top() + margins.bottom() + 2);
  keepPlace = m_result->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  m_result->setSizePolicy(keepPlace);
  layout->addWidget(m_result);

  connect(m_tree, &QTreeWidget::itemClicked, this, [](QTreeWidgetItem* item) { ToggleTick(item); });
  m_timer.setInterval(kTransferTimerPeriodMs);
  connect(&m_timer, &QTimer::timeout, this, &CTRANSwiz2::OnTimer);
}

void CTRANSwiz2::OnSetActive() {
  CWizPage::OnSetActive();
  m_progress->setEnabled(false);
  m_progress->hide();
  m_result->setEnabled(false);
  m_result->hide();
}

bool CTRANSwiz2::LoadTransferPreview() {
  const JobSettings& job = settings();
  TransferPreview preview;
  if (!kelvarin::LoadTransferPreview(job.inputFile, job.firstRowHasNames != 0, &preview)) {
    ShowInformationMessage(this, QString::fromStdString(preview.message));
    return false;
  }
  m_tree->clear();
  m_preview->clear();
  QStringList headings;
  for (size_t i = 0; i < preview.columnNames.size(); ++i) {
    headings << FieldText(preview.columnNames[i]);
    auto* item = new QTreeWidgetItem(m_tree, QStringList{headings.back()});
    item->setData(0, Qt::UserRole, static_cast<int>(i));
    // The page toggles the ticks itself, on a click anywhere on the item.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(0, preview.preTicked[i] ? Qt::Checked : Qt::Unchecked);
  }
  m_preview->setColumnCount(static_cast<int>(headings.size()));
  m_preview->setHeaderLabels(headings);
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(preview.rows.size()));
  for (const std::vector<std::string>& record : preview.rows) {
    QStringList fields;
    for (const std::string& field : record) fields << FieldText(field);
    rows << new QTreeWidgetItem(fields);
  }
  m_preview->addTopLevelItems(rows);
  m_caption->setText(FromLocalPath(PreviewCaption(job.inputFile)));
  return true;
}

void CTRANSwiz2::ToggleTick(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

bool CTRANSwiz2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_tree && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    ToggleTick(m_tree->currentItem());
    return true;
  }
  return CWizPage::eventFilter(watched, event);
}

std::vector<int> CTRANSwiz2::TickedColumns() const {
  std::vector<int> columns;
  for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = m_tree->topLevelItem(i);
    if (item->checkState(0) == Qt::Checked) columns.push_back(item->data(0, Qt::UserRole).toInt());
  }
  return columns;
}

bool CTRANSwiz2::validatePage() {
  if (m_transferState == kFinished) return true;
  if (m_transferState == kNotStarted) StartTransfer();
  return false;
}

void CTRANSwiz2::StartTransfer() {
  // The ticks as the list shows them now, whatever set them.
  const std::vector<int> columns = TickedColumns();
  if (columns.empty()) return;
  const JobSettings& job = settings();
  if (!m_transfer.Start(job.inputFile, job.outputFile, job.firstRowHasNames != 0, columns)) {
    if (!m_transfer.message().empty()) Refuse(FromLocalPath(m_transfer.message()));
    return;
  }
  m_transferState = kRunning;
  sheet()->setOption(QWizard::DisabledBackButtonOnLastPage, true);
  m_progress->setValue(0);
  m_progress->setEnabled(true);
  m_progress->show();
  m_timer.start();
}

void CTRANSwiz2::OnTimer() {
  if (m_transferState != kRunning) return;
  m_transfer.Step(kTransferBatch);
  m_progress->setValue(m_transfer.Progress());
  if (m_transfer.running()) return;
  // Done, or stopped by a read or write error that the result text tells.
  m_timer.stop();
  m_result->setPlainText(FromLocalPath(m_transfer.ResultText()));
  m_result->setEnabled(true);
  m_result->show();
  Beep();
  m_transferState = kFinished;
}

void CTRANSwiz2::OnQueryCancel() {
  m_timer.stop();
  if (m_transferState == kRunning) m_transfer.Cancel();
  m_transferState = kFinished;
}

}  // namespace kelvarin
