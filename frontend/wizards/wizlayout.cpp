#include "frontend/wizards/wizlayout.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cassert>
#include <cmath>

#include "frontend/wizards/wizardsheet.h"
#include "platform/dialogunits.h"
#include "platform/messagebox.h"

namespace kelvarin {

namespace {

const QColor kRangeColour(0, 128, 255);
constexpr int kPageScroll = 9;
constexpr int kLargestPreviewPixels = 12;
constexpr int kSmallestPreviewPixels = 8;

// The caption broken into lines at blanks so that each line fits `width`
// pixels: a check box does not wrap its text by itself.
QString WrapCaption(const QString& caption, const QFontMetrics& metrics, int width) {
  QString wrapped;
  QString line;
  for (const QString& word : caption.split(QLatin1Char(' '))) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      wrapped += line + QLatin1Char('\n');
      line = word;
    } else {
      line = longer;
    }
  }
  return wrapped + line;
}

QGroupBox* AddFrame(QWidget* page, const QString& title, const QRect& rect) {
  auto* frame = new QGroupBox(title, page);
  frame->setGeometry(rect);
  // The preview is drawn on the page and clicked there; the frame only surrounds it.
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  return frame;
}

// The list inside its frame, below the frame's title and border, 6 dialog
// units in from each side and as tall as the whole rows that fit: a row cut
// in half would show a variable that cannot be read.
void PlaceInFrame(QListWidget* list, QGroupBox* frame) {
  frame->ensurePolished();
  list->ensurePolished();
  const QRect inside = frame->contentsRect().translated(frame->pos());
  const int side = DialogRect(frame, 0, 0, 6, 0).width();
  const int border = 2 * list->frameWidth();
  const int row = std::max(1, list->sizeHintForRow(0));
  const int rows = std::max(1, (inside.height() - border) / row);
  list->setGeometry(inside.left() + side, inside.top(), inside.width() - 2 * side,
                    rows * row + border);
}

}  // namespace

CWizLayout::CWizLayout(const LayoutPageDescriptor& descriptor, QWidget* parent)
    : CWizPage(descriptor.page, parent), m_descriptor(descriptor), m_columns(descriptor.rules) {
  assert(m_columns.variableCount() <= LayoutVariableCount(descriptor.file));
  AddFrame(this, QString::fromLatin1(descriptor.previewTitle), DialogRect(this, 5, 108, 390, 140));
  QGroupBox* variables =
      AddFrame(this, QStringLiteral("Variables"), DialogRect(this, 255, 45, 137, 63));
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("variables"));
  for (const LayoutVariable& variable : descriptor.rules.variables)
    m_list->addItem(QString::fromLatin1(variable.ListText()));
  m_list->setCurrentRow(0);
  PlaceInFrame(m_list, variables);
  connect(m_list, &QListWidget::currentRowChanged, this, [this] { update(); });

  if (!descriptor.options.empty()) {
    m_optionsGroup = AddFrame(this, QString::fromLatin1(descriptor.optionsTitle), QRect());
    m_optionsGroup->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    auto* column = new QVBoxLayout(m_optionsGroup);
    for (size_t i = 0; i < descriptor.options.size(); ++i) {
      auto* box = new QCheckBox;
      box->setObjectName(QStringLiteral("option%1").arg(i));
      column->addWidget(box);
      m_optionBoxes.push_back(box);
    }
    PlaceOptions(DialogRect(this, 5, 45, 245, 63));
  }

  m_scrollBar = new QScrollBar(Qt::Horizontal, this);
  m_scrollBar->setObjectName(QStringLiteral("preview scroll"));
  m_scrollBar->setGeometry(DialogRect(this, 10, 235, 375, 10));
  m_scrollBar->setSingleStep(1);
  m_scrollBar->setPageStep(kPageScroll);
  connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
    m_scrollColumn = std::clamp(value, 0, m_scrollMax);
    update();
  });

  // The preview geometry: a small fixed-pitch font in the preview rectangle,
  // the ruler on its first line, the text three quarters of a line below.
  // The font is as large as lets every preview line stand above the scroll bar.
  const QRect preview = DialogRect(this, 10, 125, 375, 110);
  m_previewRectBottom = m_scrollBar->geometry().top();
  m_previewFont = QFont(QStringLiteral("Courier"));
  m_previewFont.setStyleHint(QFont::TypeWriter);
  m_previewFont.setFixedPitch(true);
  for (int pixels = kLargestPreviewPixels; pixels >= kSmallestPreviewPixels; --pixels) {
    m_previewFont.setPixelSize(pixels);
    const QFontMetrics metrics(m_previewFont);
    m_charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    m_lineHeight = metrics.lineSpacing();
    m_rulerBase = preview.top() + m_lineHeight;
    m_textTop = m_rulerBase + (3 * m_lineHeight) / 4;
    if (m_textTop + kPreviewLines * m_lineHeight <= m_previewRectBottom) break;
  }
  m_x0 = preview.left() + 3;
  m_visibleColumns = preview.width() / m_charWidth;
  m_x1 = m_x0 + m_visibleColumns * m_charWidth;
}

void CWizLayout::OnSetActive() {
  CWizPage::OnSetActive();
  const JobSettings& job = settings();
  m_carried = job;
  if (m_descriptor.source == LayoutSource::kDefinitionFile) {
    // The codes as the definition file's defaults, the boxes at their
    // initial states; the file may bring others.
    TakeLayoutValues(m_descriptor.file, RecordSettings(), m_carried);
    for (const OptionBox& option : m_descriptor.options) m_carried.*option.member = option.initial;
    m_readDefinitionFile = true;
  }
  m_scrollColumn = job.scrollColumn;
  m_pendingMarker = job.pendingMarker;
  m_recordLength = job.recordLength;
  m_previewLineCount = std::clamp(job.previewLineCount, 0, kPreviewLines);

  const int count = m_columns.variableCount();
  std::vector<int32_t> pairs(2 * static_cast<size_t>(count), -1);
  if (m_readDefinitionFile) {
    m_readDefinitionFile = false;
    ReadDefinitionFile(pairs);
  } else {
    pairs = LayoutPairs(m_descriptor.file, job);
    pairs.resize(2 * static_cast<size_t>(count));
  }
  // Columns that do not fit this record never reach the owner map.
  m_columns.Enter(pairs, m_recordLength);

  for (size_t i = 0; i < m_optionBoxes.size(); ++i)
    m_optionBoxes[i]->setChecked(m_carried.*(m_descriptor.options[i].member) != 0);
  {
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentRow(std::clamp(job.selectedVariable, 0, count - 1));
  }
  SetUpScrollBar();
  update();
}

void CWizLayout::SetUpScrollBar() {
  const QSignalBlocker blocker(m_scrollBar);
  if (m_recordLength > m_visibleColumns) {
    m_scrollMax = m_recordLength - m_visibleColumns;
    m_scrollColumn = std::clamp(m_scrollColumn, 0, m_scrollMax);
    m_scrollBar->setRange(0, m_scrollMax);
    m_scrollBar->setValue(m_scrollColumn);
    m_scrollBar->setEnabled(true);
  } else {
    // A record that fits needs no scrolling, whatever a longer file left.
    m_scrollMax = 0;
    m_scrollColumn = 0;
    m_scrollBar->setRange(0, 0);
    m_scrollBar->setEnabled(false);
  }
}

void CWizLayout::PlaceOptions(const QRect& rect) {
  m_optionsGroup->setGeometry(rect);
  const QMargins margins = m_optionsGroup->layout()->contentsMargins();
  const int textWidth = rect.width() - margins.left() - margins.right() -
                        style()->pixelMetric(QStyle::PM_IndicatorWidth) -
                        style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) - 4;
  for (size_t i = 0; i < m_optionBoxes.size(); ++i)
    m_optionBoxes[i]->setText(WrapCaption(QString::fromLatin1(m_descriptor.options[i].caption),
                                          m_optionBoxes[i]->fontMetrics(), textWidth));
}

OptionWords CWizLayout::FileWords() const {
  OptionWords words;
  if (m_descriptor.source == LayoutSource::kDefinitionFile)
    for (const OptionBox& option : m_descriptor.options) words.push_back(option.member);
  return words;
}

void CWizLayout::ReadDefinitionFile(std::vector<int32_t>& firstLast) {
  const LayoutFilePlace place = DefinitionFilePlace(m_descriptor.file);
  const OptionWords words = FileWords();
  // What the file does not hold stays: no columns, the carried codes and
  // options.
  RecordSettings read = m_carried;
  SetLayoutPairs(m_descriptor.file, LayoutPairs(m_descriptor.file, RecordSettings()), read);
  const LayoutFileStatus status = ReadLayoutFile(place, m_descriptor.file, read, words);
  if (status == LayoutFileStatus::kNotOpened) return;
  // A short file still brings the codes and formats it holds whole; unless
  // its size depends on the page that wrote it, it leaves every position
  // undefined. After a read error no position is trusted.
  TakeLayoutValues(m_descriptor.file, read, m_carried, words);
  if (status == LayoutFileStatus::kReadError ||
      (status != LayoutFileStatus::kComplete &&
       m_descriptor.source != LayoutSource::kDefinitionFile))
    return;
  firstLast = LayoutPairs(m_descriptor.file, read);
  firstLast.resize(2 * static_cast<size_t>(m_columns.variableCount()));
  FitDefinitionPairs(firstLast, m_recordLength, [this, &place] {
    if (!AskYesNo(this,
                  QStringLiteral("The definition file does not correspond to the input file.\n"
                                 "It must be deleted to define new variable positions.\n"
                                 "Do you want the program to do it for you?")))
      return DefinitionAnswer::kNo;
    if (RemoveLayoutFile(place, m_descriptor.file)) {
      ShowInformationMessage(this,
                             QStringLiteral("The definition file has been succesfuly removed!"));
      return DefinitionAnswer::kDeleted;
    }
    ShowInformationMessage(this, QStringLiteral("Cannot remove definition file!"));
    return DefinitionAnswer::kNotDeleted;
  });
}

bool CWizLayout::validatePage() {
  const std::string problem = m_columns.Validate();
  if (!problem.empty()) {
    Refuse(QString::fromLatin1(problem.c_str()));
    return false;
  }
  HandBack();
  return true;
}

void CWizLayout::HandBack() {
  JobSettings& job = settings();
  std::vector<int32_t> pairs;
  for (int v = 0; v < m_columns.variableCount(); ++v) {
    const auto [first, last] = m_columns.Pair(v);
    pairs.push_back(first);
    pairs.push_back(last);
  }
  SetLayoutPairs(m_descriptor.file, pairs, job);
  for (size_t i = 0; i < m_optionBoxes.size(); ++i)
    job.*(m_descriptor.options[i].member) = m_optionBoxes[i]->isChecked() ? 1 : 0;
  job.scrollColumn = m_scrollColumn;
  job.selectedVariable = m_list->currentRow();
  job.pendingMarker = m_pendingMarker;
  job.recordLength = m_recordLength;
  job.previewLineCount = m_previewLineCount;
  // The codes and formats a definition file may have brought.
  TakeLayoutValues(m_descriptor.file, m_carried, job);
}

void CWizLayout::mousePressEvent(QMouseEvent* event) {
  m_pendingMarker = -1;
  const QPointF point = event->position();
  const bool inside = point.x() >= m_x0 && point.x() < m_x1 && point.y() >= m_rulerBase - 5 &&
                      point.y() < m_rulerBase + kPreviewLines * m_lineHeight;
  if (event->button() != Qt::LeftButton || !inside) {
    CWizPage::mousePressEvent(event);
    return;
  }
  // The boundary nearest to the click; exactly halfway goes right.
  const int boundary =
      static_cast<int>(std::floor((point.x() - m_x0) / m_charWidth + m_scrollColumn + 0.5));
  if (boundary > m_recordLength) return;
  const int variable = m_list->currentRow();
  if (variable < 0) return;
  const ClickOutcome outcome = m_columns.Click(variable, boundary);
  if (outcome.kind == ClickOutcome::kRefused) {
    Refuse(QString::fromLatin1(outcome.message.c_str()));
    return;
  }
  if (m_columns.start(variable) != -1 && m_columns.end(variable) == -1)
    m_pendingMarker = m_columns.start(variable);
  update();
}

void CWizLayout::paintEvent(QPaintEvent* event) {
  CWizPage::paintEvent(event);
  QPainter painter(this);
  DrawRuler(painter, m_rulerBase);
  // The marker band and the preview area.
  painter.fillRect(
      QRect(QPoint(m_x0 - 3, m_rulerBase + 3), QPoint(m_x1 + 2, m_previewRectBottom - 1)),
      Qt::white);
  const int selected = m_list->currentRow();
  if (selected >= 0) {
    for (int boundary : {m_columns.start(selected), m_columns.end(selected)})
      if (boundary != -1) DrawMarker(painter, boundary);
  }
  DrawRanges(painter);
  DrawPreviewText(painter);
}

void CWizLayout::DrawRuler(QPainter& painter, int d) {
  const int n = std::max(m_recordLength, m_visibleColumns);
  const int count = m_scrollColumn + m_visibleColumns > n ? n - m_scrollColumn : m_visibleColumns;
  painter.fillRect(QRect(QPoint(m_x0 - 3, d - 5 - m_lineHeight), QPoint(m_x1 + 9, d - 1)),
                   palette().button());
  painter.setPen(Qt::black);
  painter.drawLine(m_x0, d, m_x0 + count * m_charWidth + 1, d);
  QFont tens(QStringLiteral("Arial"));
  tens.setBold(true);
  tens.setPixelSize(16);
  QFont fives = tens;
  fives.setPixelSize(14);
  for (int i = m_scrollColumn; i <= m_scrollColumn + count; ++i) {
    const int x = m_x0 + (i - m_scrollColumn) * m_charWidth;
    int tickTop = d - 2;
    if (i % 5 == 0) {
      painter.setFont(i % 10 == 0 ? tens : fives);
      const QRect label(x - 20, d - 20, 40, 20);
      painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(i));
      tickTop = i % 10 == 0 ? d - 5 : d - 4;
    }
    painter.drawLine(x, tickTop, x, d);
  }
}

void CWizLayout::DrawMarker(QPainter& painter, int boundary) {
  const int x = boundaryX(boundary);
  if (x < m_x0 || x > m_x1) return;
  const int d = m_rulerBase;
  painter.setPen(Qt::black);
  painter.setBrush(Qt::black);
  painter.drawPolygon(QPolygon({QPoint(x - 3, d + 6), QPoint(x, d + 3), QPoint(x + 3, d + 6)}));
  painter.drawLine(x, d + 6, x, previewBottom());
  painter.setBrush(Qt::NoBrush);
}

void CWizLayout::DrawRanges(QPainter& painter) {
  const int last = m_scrollColumn + m_visibleColumns;
  for (int j = m_scrollColumn + 1; j <= last;) {
    if (m_columns.Owner(j) == -1) {
      ++j;
      continue;
    }
    const int k = m_columns.RunEnd(j, last + 1);
    const int left = boundaryX(j - 1) + 1;
    const int right = boundaryX(k - 1);
    if (right > left)
      painter.fillRect(QRect(left, m_textTop, right - left, previewBottom() - m_textTop),
                       kRangeColour);
    j = k;
  }
}

void CWizLayout::DrawPreviewText(QPainter& painter) {
  const JobSettings& job = settings();
  painter.setFont(m_previewFont);
  painter.setPen(Qt::black);
  const int ascent = QFontMetrics(m_previewFont).ascent();
  for (int line = 0; line < m_previewLineCount; ++line) {
    const std::string& text = job.previewLines[static_cast<size_t>(line)];
    const int length = std::min<int>(job.previewLineLengths[static_cast<size_t>(line)],
                                     static_cast<int>(text.size()));
    const int shown = std::min(m_visibleColumns, length - m_scrollColumn);
    const int y = m_textTop + line * m_lineHeight + ascent;
    for (int i = 0; i < shown; ++i) {
      const unsigned char byte =
          static_cast<unsigned char>(text[static_cast<size_t>(m_scrollColumn + i)]);
      if (byte == 0) continue;
      painter.drawText(QPoint(m_x0 + i * m_charWidth, y), QString(QChar(byte)));
    }
  }
}

}  // namespace kelvarin
