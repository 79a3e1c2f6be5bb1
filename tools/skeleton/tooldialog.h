// The progress dialog every tool program shows: the files of the run, a
// progress bar and counters, Stop while the run goes on and OK at its end.
// A timer drives the engine one batch per tick.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMap>

#include <memory>

#include "tools/skeleton/dialogdescriptor.h"
#include "tools/skeleton/stopsignals.h"
#include "tools/skeleton/toolengine.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kelvarin {

class CToolDlg : public QDialog {
  Q_OBJECT

 public:
  CToolDlg(ToolEngine& engine, const DialogDescriptor& descriptor, QWidget* parent = nullptr);
  ~CToolDlg() override;

  // Dialog units to pixels, from the dialog's font.
  QPoint DialogUnits(int x, int y) const;

  QWidget* control(int id) const { return m_controls.value(id, nullptr); }
  QTimer* timer() const { return m_timer; }
  bool timerRunning() const;

 public slots:
  // One timer tick: up to recordsPerTick records. At the end of the input
  // the run is finished there and then (summaries, closing, removal of empty
  // reports), so that its files are whole on disk while OK waits.
  void OnTimer();
  // Stop, Esc and the close box: the run stops, OK replaces Stop.
  void OnStop();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Shows the bar, and the counters when asked.
  void UpdateCounters(bool counters);
  // The end of a run that reached the end of its input.
  void FinishRun();

  ToolEngine& m_engine;
  const DialogDescriptor& m_descriptor;
  QMap<int, QWidget*> m_controls;
  QList<QPair<QLabel*, int>> m_counters;
  QLabel* m_status = nullptr;
  QProgressBar* m_progress = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_stop = nullptr;
  QTimer* m_timer = nullptr;
};

// The application side of a tool program: the whole run happens here.
class CToolApp {
 public:
  CToolApp(ToolEngine& engine, const DialogDescriptor& descriptor);
  virtual ~CToolApp() = default;

  // Start-up from the parameter file beside the executable, the modal
  // progress dialog, then the end of the run. Returns the exit code: 0 only
  // after a finished run whose files closed cleanly.
  int InitInstance();

 private:
  ToolEngine& m_engine;
  const DialogDescriptor& m_descriptor;
};

// The main routine of a tool program: the stop signals' handlers, the Qt
// application named after the program, then the whole run; returns the exit
// code.
template <class App>
int RunToolProgram(int argc, char** argv, const char* programName) {
  InstallStopSignals(programName);
  // Threads the application starts hold the stop signals back, so that the
  // handler always interrupts this thread, the one that writes the files.
  auto held = std::make_unique<StopSignalsHeld>();
  QApplication application(argc, argv);
  held.reset();
  QApplication::setApplicationName(QString::fromLatin1(programName));
  App app;
  return app.InitInstance();
}

}  // namespace kelvarin
