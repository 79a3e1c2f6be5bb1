// A page of a front-end wizard: its dialog id, the sheet title it shows while
// it is active, its help topic, and the banner with the two path lines and
// the icons it draws at its top.
#pragma once

#include <QString>
#include <QStringList>
#include <QWizardPage>

#include "common/layoutfile.h"
#include "frontend/job/jobsettings.h"
#include "platform/pathtext.h"

class QListWidget;
class QPainter;

namespace kelvarin {

class CWizardSheet;

// The page icons' size and their distance from the page's top and sides, in pixels.
inline constexpr int kPageIconSize = 32;
inline constexpr int kPageIconMargin = 6;

struct PageDescriptor {
  int id;
  const char* title;         // sheet title while the page is active, e.g. "... (2/4)"
  const char* helpTopic;     // e.g. "htm/WizFiles.htm"
  int pathLinesY;            // top of the "Input: " line; -1 draws no path lines
  int bannerY = 1;           // top of the banner's highlight; its shadow is one pixel lower
  bool pathPrefixes = true;  // "Input: " and "Output: " before the paths
};

class CWizPage : public QWizardPage {
  Q_OBJECT

 public:
  explicit CWizPage(const PageDescriptor& descriptor, QWidget* parent = nullptr);

  int id() const { return m_descriptor.id; }
  QString helpTopic() const { return QString::fromLatin1(m_descriptor.helpTopic); }

  // Called each time the page becomes the current page, after Next or Back.
  virtual void OnSetActive();
  // The page Back leads to; -1 for the page shown before.
  virtual int BackId() const { return -1; }

  // The input and output lines drawn under the banner of the later pages.
  QStringList PathLines() const;
  int bannerY() const { return m_descriptor.bannerY; }

  // Where the sheet's icon stands at the top right, and the page's own at
  // the top left; empty when the page draws none there.
  QRect sheetIconRect() const;
  QRect leftIconRect() const;

 protected:
  CWizardSheet* sheet() const;
  JobSettings& settings() const;
  void paintEvent(QPaintEvent* event) override;
  // Shows a stop message over the page.
  void Refuse(const QString& text);
  // Stores the selected row of a date-format list; refuses with the message
  // when nothing is selected.
  bool TakeDateFormat(const QListWidget* list, const QString& message, int32_t* format);
  // The sheet's layout definition file of a kind, beside its input.
  LayoutFilePlace DefinitionFilePlace(LayoutFile file) const;
  // Writes the sheet's layout definition file. When it is not written, says
  // so: that what stands at its name cannot be one and was left as it is,
  // or that it could not be written. The run goes on either way.
  void SaveLayoutFile(LayoutFile file, const RecordSettings& values, const OptionWords& words = {});
  // Icon `id` at the top left of the page.
  void SetLeftIcon(int id) { m_leftIcon = id; }
  // The page shows the sheet's icon in a control of its own.
  void HideSheetIcon() { m_sheetIconShown = false; }

 private:
  void DrawIcon(QPainter& painter, int id, const QRect& rect) const;

  PageDescriptor m_descriptor;
  int m_leftIcon = 0;
  bool m_sheetIconShown = true;
};

}  // namespace kelvarin
