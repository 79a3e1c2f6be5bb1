#include "frontend/shell/cpage4.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/shell/shellmessage.h"
#include "platform/messagebox.h"

namespace kelvarin {

CPage4::CPage4(QWidget* parent) : CTextPage(parent) {
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  m_sizeEdit = new QLineEdit(this);
  m_sizeEdit->setObjectName(ControlName(kIdSize));
  m_sizeEdit->setAlignment(Qt::AlignCenter);
  m_sizeEdit->installEventFilter(this);
  // The up-down control stands against the edit's right edge, as tall as
  // the edit, one arrow over the other.
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  const int height = m_sizeEdit->sizeHint().height();
  const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  m_up = new QToolButton(this);
  m_up->setObjectName(ControlName(kIdUpDown) + QStringLiteral("up"));
  m_up->setArrowType(Qt::UpArrow);
  m_up->setFixedSize(width, height / 2);
  m_down = new QToolButton(this);
  m_down->setObjectName(ControlName(kIdUpDown) + QStringLiteral("down"));
  m_down->setArrowType(Qt::DownArrow);
  m_down->setFixedSize(width, height - height / 2);
  arrows->addWidget(m_up);
  arrows->addWidget(m_down);
  row->setSpacing(0);
  m_sizeEdit->setFixedHeight(height);
  row->addWidget(m_sizeEdit);
  row->addLayout(arrows);
  row->addStretch();
  layout->addLayout(row);
  layout->addStretch();
  connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
  connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CPage4::LoadData() { m_sizeEdit->setText(QString::number(m_pointSize)); }

bool CPage4::SaveData() {
  const std::optional<int> size = ParseInteger(m_sizeEdit->text());
  if (!size) {
    ShowStopMessage(this, tr("Please enter an integer."));
    m_sizeEdit->setFocus();
    m_sizeEdit->selectAll();
    return false;
  }
  if (*size < kMinSize || *size > kMaxSize) {
    ShowStopMessage(this,
                    tr("Please enter an integer between %1 and %2.").arg(kMinSize).arg(kMaxSize));
    m_sizeEdit->setFocus();
    m_sizeEdit->selectAll();
    return false;
  }
  m_pointSize = *size;
  return true;
}

std::optional<int> CPage4::ParseInteger(const QString& text) {
  QString digits = text;
  while (!digits.isEmpty() && (digits.front() == u' ' || digits.front() == u'\t'))
    digits.remove(0, 1);
  while (!digits.isEmpty() && (digits.back() == u' ' || digits.back() == u'\t')) digits.chop(1);
  const bool signedText = digits.startsWith(u'-') || digits.startsWith(u'+');
  const QString body = signedText ? digits.mid(1) : digits;
  if (body.isEmpty() ||
      !std::all_of(body.begin(), body.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
    return std::nullopt;
  bool ok = false;
  const int value = digits.toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

bool CPage4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_sizeEdit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return CTextPage::eventFilter(watched, event);
}

void CPage4::Step(int delta) {
  const std::optional<int> typed = ParseInteger(m_sizeEdit->text());
  const int current = typed.value_or(m_pointSize);
  m_sizeEdit->setText(QString::number(std::clamp(current + delta, kMinSize, kMaxSize)));
}

}  // namespace kelvarin
