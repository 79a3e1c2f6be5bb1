// A wizard sheet of the front-end: a modal wizard whose pages work on one
// full copy of the application's job settings. Page ids are the pages'
// dialog ids; each page is told when it becomes active, on Next and on Back
// alike, and chooses the page Back leads to.
#pragma once

#include <QString>
#include <QWizard>

#include "frontend/job/jobsettings.h"

namespace kelvarin {

class CWizPage;

class CWizardSheet : public QWizard {
  Q_OBJECT

 public:
  // The banner is the title drawn embossed at the top of every page, and
  // icon `pageIcon` (frontend/res/imageids.h) stands at their top right.
  CWizardSheet(const JobSettings& application, const QString& caption, const QString& banner,
               int pageIcon, QWidget* parent = nullptr);

  JobSettings& settings() { return m_settings; }
  const JobSettings& settings() const { return m_settings; }
  const QString& banner() const { return m_banner; }
  int pageIcon() const { return m_pageIcon; }

 signals:
  // A page's help topic, e.g. "htm/WizFiles.htm", for the front-end's help.
  void helpTopicRequested(const QString& topic);

 protected:
  // The first showing sizes the sheet for its largest page, as a property
  // sheet does, so that no page opens clipped.
  void showEvent(QShowEvent* event) override;

 private:
  void Activate(int id);
  void GoBack();
  void RequestHelp();

  JobSettings m_settings;
  QString m_banner;
  int m_pageIcon;
  bool m_sized = false;
};

}  // namespace kelvarin
