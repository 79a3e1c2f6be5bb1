// Receives the addresses the program asks the desktop to open, in place of
// a browser: register it with QDesktopServices::setUrlHandler.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace kelvarin {

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void openUrl(const QUrl& url) { opened.append(url); }
};

}  // namespace kelvarin
