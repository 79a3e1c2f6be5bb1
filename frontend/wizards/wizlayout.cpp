#include "frontend/wizards/wizlayout.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frontend/wizards/wizardsheet.h"
#include "platform/dialogunits.h"
#include "platform/messagebox.h"

namespace kelvarin {

namespace {

const QColor kRangeColour(0, 128, 255);
constexpr int kPageScroll = 9;
constexpr int kLargestPreviewPixels = 12;
constexpr int kSmallestPreviewPixels = 8;

QGroupBox* AddFrame(QWidget* page, const QString& title, const QRect& rect) {
  auto* frame = new QGroupBox(title, page);
  frame->setGeometry(rect);
  // The preview is drawn on the page and clicked there; the frame only surrounds it.
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  return frame;
}

}  // namespace

CWizLayout::CWizLayout(const LayoutPageDescriptor& descriptor, QWidget* parent)
    : CWizPage(descriptor.page, parent), m_descriptor(descriptor), m_columns(descriptor.rules) {
  AddFrame(this, QString::fromLatin1(descriptor.previewTitle), DialogRect(this, 5, 108, 390, 140));
  AddFrame(this, QStringLiteral("Variables"), DialogRect(this, 255, 45, 137, 63));
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("variables"));
  m_list->setGeometry(DialogRect(this, 261, 56, 125, 48));
  for (const LayoutVariable& variable : descriptor.rules.variables)
    m_list->addItem(QString::fromLatin1(variable.name));
  m_list->setCurrentRow(0);
  connect(m_list, &QListWidget::currentRowChanged, this, [this] { update(); });

  if (!descriptor.options.empty()) {
    QGroupBox* options =
        AddFrame(this, QStringLiteral("Options"), DialogRect(this, 5, 45, 245, 63));
    options->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    auto* column = new QVBoxLayout(options);
    for (const OptionBox& option : descriptor.options) {
      auto* box = new QCheckBox(QString::fromLatin1(option.caption));
      column->addWidget(box);
      m_optionBoxes.push_back(box);
    }
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
    pairs = PairsOf(job, m_descriptor.fields, count);
  }
  // Columns that do not fit this record never reach the owner map.
  m_columns.Enter(pairs, m_recordLength);

  for (size_t i = 0; i < m_optionBoxes.size(); ++i)
    m_optionBoxes[i]->setChecked(job.*(m_descriptor.options[i].member) != 0);
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

void CWizLayout::ReadDefinitionFile(std::vector<int32_t>& firstLast) {
  const std::string path = LayoutFileName(settings().inputFile, m_descriptor.definitionSuffix);
  std::vector<int32_t> positions;
  // An absent file, or a short one, leaves every position undefined.
  if (ReadLayoutFile(path, positions) != LayoutFileStatus::kComplete) return;
  firstLast = positions;
  FitDefinitionPairs(firstLast, m_recordLength, [this, &path] {
    if (!AskYesNo(this,
                  QStringLiteral("The definition file does not correspond to the input file.\n"
                                 "It must be deleted to define new variable positions.\n"
                                 "Do you want the program to do it for you?")))
      return DefinitionAnswer::kNo;
    if (std::remove(path.c_str()) == 0) {
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
  for (int v = 0; v < m_columns.variableCount(); ++v) {
    const auto [first, last] = m_columns.Pair(v);
    job.*(m_descriptor.fields[v].first) = first;
    job.*(m_descriptor.fields[v].last) = last;
  }
  for (size_t i = 0; i < m_optionBoxes.size(); ++i)
    job.*(m_descriptor.options[i].member) = m_optionBoxes[i]->isChecked() ? 1 : 0;
  job.scrollColumn = m_scrollColumn;
  job.selectedVariable = m_list->currentRow();
  job.pendingMarker = m_pendingMarker;
  job.recordLength = m_recordLength;
  job.previewLineCount = m_previewLineCount;
  // The codes and formats a definition file may have brought.
  job.incidenceDateFormat = m_carried.incidenceDateFormat;
  job.birthDateFormat = m_carried.birthDateFormat;
  job.maleCode = m_carried.maleCode;
  job.femaleCode = m_carried.femaleCode;
  job.microscopicCodes = m_carried.microscopicCodes;
  job.ageUnknownCode = m_carried.ageUnknownCode;
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
