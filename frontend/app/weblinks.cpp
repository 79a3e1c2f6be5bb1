#include "frontend/app/weblinks.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>

#include "platform/messagebox.h"

namespace kelvarin {

void OpenUrl(QWidget* parent, const QString& address) {
  if (QDesktopServices::openUrl(QUrl(address))) return;
  // The two numbers of the message are errno values of this platform. The
  // first says why the desktop did not open the address: ENOENT, it has no
  // program for it. The second says why xdg-open did not either: ENOENT, it
  // is not on the PATH; ENOEXEC, it was found but could not be started.
  int fallbackResult = ENOENT;
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty()) {
    if (QProcess::startDetached(opener, {address})) return;
    fallbackResult = ENOEXEC;
  }
  ShowStopMessage(
      parent, QString::asprintf("Cannot connect to the internet (%d,%d)", ENOENT, fallbackResult));
}

}  // namespace kelvarin
