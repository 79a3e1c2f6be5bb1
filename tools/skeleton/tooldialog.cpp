#include "tools/skeleton/tooldialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "common/parameterfile.h"
#include "common/reportname.h"
#include "platform/dialogunits.h"
#include "platform/messagebox.h"
#include "platform/pathtext.h"
#include "platform/programicon.h"

namespace kelvarin {

CToolDlg::CToolDlg(ToolEngine& engine, const DialogDescriptor& descriptor, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_descriptor(descriptor) {
  setWindowTitle(QString::fromStdString(descriptor.caption));
  setWindowIcon(ProgramIcon());
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(DialogRect(this, 0, 0, descriptor.width, descriptor.height).size());

  for (const DialogControl& c : descriptor.controls) {
    QWidget* widget = nullptr;
    switch (c.kind) {
      case DialogControl::kGroupBox:
        widget = new QGroupBox(QString::fromStdString(c.text), this);
        widget->lower();
        break;
      case DialogControl::kProgress:
        m_progress = new QProgressBar(this);
        m_progress->setRange(0, 100);
        m_progress->setValue(0);
        m_progress->setTextVisible(false);
        widget = m_progress;
        break;
      case DialogControl::kOkButton:
        m_ok = new QPushButton(QString::fromStdString(c.text), this);
        m_ok->setDefault(true);
        connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
        widget = m_ok;
        break;
      case DialogControl::kStopButton:
        m_stop = new QPushButton(QString::fromStdString(c.text), this);
        m_stop->setAutoDefault(false);
        connect(m_stop, &QPushButton::clicked, this, &CToolDlg::OnStop);
        widget = m_stop;
        break;
      case DialogControl::kStatic:
      case DialogControl::kStaticRight:
      case DialogControl::kStaticCentered: {
        QString text = QString::fromStdString(c.text);
        if (c.fileSlot >= 0)
          text =
              QString::fromStdString(c.filePrefix) + FromLocalPath(m_engine.FilePath(c.fileSlot));
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        if (c.kind == DialogControl::kStaticRight)
          label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        else if (c.kind == DialogControl::kStaticCentered)
          label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else
          label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (c.counterSlot >= 0) m_counters.append({label, c.counterSlot});
        if (c.statusLine) m_status = label;
        widget = label;
        break;
      }
    }
    widget->setGeometry(DialogRect(this, c.x, c.y, c.width, c.height));
    if (c.id >= 0) m_controls.insert(c.id, widget);
  }

  if (m_ok) m_ok->hide();
  // The status line shows each text as the engine sets it, with the bar
  // shown or hidden for that part of the run, painted at once: a long step
  // (a sort of the whole file) does not wait for the next tick.
  if (m_status)
    m_engine.SetStatusListener([this](const std::string& text) {
      m_status->setText(QString::fromStdString(text));
      if (m_progress) m_progress->setVisible(m_engine.ProgressVisible());
      repaint();
    });
  // The counters the engine shows within a long step are painted at once
  // too, with the bar at the engine's progress: at the end of the input it
  // stands at 100 with the last counts, before it is hidden for the search.
  m_engine.SetCounterListener([this](int slot, long long value) {
    if (m_progress) m_progress->setValue(m_engine.Progress());
    for (const auto& counter : m_counters)
      if (counter.second == slot) {
        counter.first->setText(QString::number(value));
        counter.first->repaint();
      }
  });
  m_timer = new QTimer(this);
  m_timer->setInterval(descriptor.timerMilliseconds);
  connect(m_timer, &QTimer::timeout, this, &CToolDlg::OnTimer);
  m_timer->start();  // also after a failed start: its ticks then do nothing
}

CToolDlg::~CToolDlg() {
  m_engine.SetStatusListener(nullptr);
  m_engine.SetCounterListener(nullptr);
}

QPoint CToolDlg::DialogUnits(int x, int y) const { return DialogRect(this, x, y, 0, 0).topLeft(); }

bool CToolDlg::timerRunning() const { return m_timer->isActive(); }

void CToolDlg::OnTimer() {
  if (!m_engine.running()) return;
  if (m_progress) m_progress->setValue(m_engine.Progress());
  const StepStatus status = m_engine.Step(m_descriptor.recordsPerTick);
  switch (status) {
    case StepStatus::kRunning:
      break;
    case StepStatus::kFinished:
      if (m_progress) m_progress->setValue(100);
      FinishRun();
      Beep();
      OnStop();
      break;
    case StepStatus::kHalted:
    case StepStatus::kFailed:
      // Stop the timer before the modal box, so no tick runs meanwhile. A run
      // the program halts by its own rule leaves the counters as the tick
      // before showed them.
      m_timer->stop();
      UpdateCounters(status == StepStatus::kFailed);
      ShowMessage(this,
                  m_engine.messageIcon() == MessageIcon::kStop ? MessageKind::kStop
                                                               : MessageKind::kInformation,
                  QString::fromLocal8Bit(m_engine.message().c_str()));
      Beep();
      OnStop();
      return;
  }
  UpdateCounters(true);
}

void CToolDlg::UpdateCounters(bool counters) {
  if (counters)
    for (const auto& counter : m_counters)
      counter.first->setText(QString::number(m_engine.Counter(counter.second)));
  if (m_progress) {
    m_progress->setVisible(m_engine.ProgressVisible());
    if (!m_engine.running() && m_engine.endOfInput()) m_progress->setValue(100);
  }
}

void CToolDlg::FinishRun() {
  if (m_engine.Finish()) {
    // Tells whoever started the program that a signal from now on loses
    // nothing: the run's files are whole.
    std::fputs(kRunFinishedLine, stdout);
    std::fflush(stdout);
  } else if (m_engine.closeFailed()) {
    ShowStopMessage(this, QString::fromLocal8Bit(m_engine.message().c_str()));
  }
}

void CToolDlg::OnStop() {
  m_timer->stop();
  if (m_ok) {
    m_ok->show();
    m_ok->setFocus();
  }
  if (m_stop) m_stop->hide();
  m_engine.Stop();
}

void CToolDlg::reject() { OnStop(); }

void CToolDlg::closeEvent(QCloseEvent* event) {
  OnStop();
  event->ignore();
}

void CToolDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The program's title, embossed at the top: highlight first, then the
  // shadow one pixel to the right and below.
  QPainter painter(this);
  QFont titleFont(QStringLiteral("Arial"));
  titleFont.setPixelSize(20);
  titleFont.setBold(true);
  painter.setFont(titleFont);
  const QString title = QString::fromStdString(m_engine.programTitle());
  const QFontMetrics metrics(titleFont);
  const int half = frameGeometry().width() / 2;
  const int textWidth = metrics.horizontalAdvance(title);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawText(half - textWidth / 2, 15 + metrics.ascent(), title);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawText(half + 1 - textWidth / 2, 16 + metrics.ascent(), title);
}

CToolApp::CToolApp(ToolEngine& engine, const DialogDescriptor& descriptor)
    : m_engine(engine), m_descriptor(descriptor) {}

int CToolApp::InitInstance() {
  const std::tm start = LocalNow();
  const QString parameterFile =
      ProgramFolder() + QLatin1Char('/') + QLatin1String(kParameterFileName);
  // Whoever started the program learns each file of the run it may have to
  // take back, before anything is written into it.
  m_engine.SetRunFileListener([](const std::string& path, FileId id) {
    std::fputs(RunFileLine(path, id).c_str(), stdout);
    std::fflush(stdout);
  });
  if (!m_engine.Start(ToLocalPath(parameterFile), start))
    ShowStopMessage(nullptr, QString::fromLocal8Bit(m_engine.message().c_str()));

  {
    CToolDlg dialog(m_engine, m_descriptor);
    dialog.exec();
  }
  // A finished run was ended by the dialog already; a stopped one ends now.
  return m_engine.Finish() ? 0 : 1;
}

}  // namespace kelvarin
