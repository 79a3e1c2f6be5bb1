// The layout page of the wizards: the first lines of the input file under a
// numbered column ruler, with the list of the wizard's variables beside it.
// The user selects a variable and clicks the boundary before its first
// column and the boundary after its last; the columns between belong to it.
// The variables, their rules, the option boxes and the layout definition
// file are the variant's; the clicks, drawing and scrolling are shared.
#pragma once

#include <vector>

#include "common/layoutfile.h"
#include "frontend/job/jobsettings.h"
#include "frontend/wizards/layoutcolumns.h"
#include "frontend/wizards/layoutvariants.h"
#include "frontend/wizards/wizpage.h"

class QCheckBox;
class QGroupBox;
class QListWidget;
class QScrollBar;

namespace kelvarin {

// Where a layout page takes its columns, codes and options from when it is
// shown.
enum class LayoutSource {
  // The sheet's; right after the Files page accepted an input file, the
  // definition file's columns, codes and formats instead (the columns only
  // from a whole file). The options are not in the file.
  kSheetOrNewFile,
  // On every showing the defaults (no columns, the default codes, each box
  // at its initial state), then whatever whole fields the definition file
  // holds, the box states after the codes included: the file's size depends
  // on the page that wrote it.
  kDefinitionFile,
};

struct LayoutPageDescriptor {
  PageDescriptor page;
  int backId;
  const LayoutRules& rules;  // the first variables of the file's column pairs, in its order
  LayoutFile file;           // the layout definition file, which gives the variables' order
  std::vector<OptionBox> options;
  const char* previewTitle;  // the group box around the preview
  LayoutSource source = LayoutSource::kSheetOrNewFile;
  const char* optionsTitle = "Options";  // the group box around the option boxes
};

class CWizLayout : public CWizPage {
  Q_OBJECT

 public:
  explicit CWizLayout(const LayoutPageDescriptor& descriptor, QWidget* parent = nullptr);

  // The next activation reads the layout definition file instead of taking
  // the sheet's columns: the Files page has just accepted an input file.
  void RequestDefinitionFile() { m_readDefinitionFile = true; }

  void OnSetActive() override;
  bool validatePage() override;
  int BackId() const override { return m_descriptor.backId; }

  // Geometry of the preview, in page coordinates.
  int boundaryX(int boundary) const { return m_x0 + (boundary - m_scrollColumn) * m_charWidth; }
  int rulerBaseY() const { return m_rulerBase; }
  int previewTextTop() const { return m_textTop; }
  int charWidth() const { return m_charWidth; }
  int lineHeight() const { return m_lineHeight; }
  int visibleColumns() const { return m_visibleColumns; }
  int scrollColumn() const { return m_scrollColumn; }
  int pendingMarker() const { return m_pendingMarker; }
  const CLayoutColumns& columns() const { return m_columns; }
  QListWidget* variableList() const { return m_list; }
  QScrollBar* scrollBar() const { return m_scrollBar; }
  QCheckBox* optionBox(int index) const { return m_optionBoxes[static_cast<size_t>(index)]; }
  int optionCount() const { return static_cast<int>(m_optionBoxes.size()); }

 protected:
  // Hands the page's columns, options, codes and state to the sheet.
  virtual void HandBack();
  // The codes and formats that go back to the sheet with the columns: the
  // sheet's as the page was shown, with what the definition file brought.
  RecordSettings& carried() { return m_carried; }
  // The option words the definition file keeps: the boxes' members, for a
  // page that keeps its options there.
  OptionWords FileWords() const;
  const LayoutPageDescriptor& descriptor() const { return m_descriptor; }
  // Puts the option boxes' group at `rect`, their captions broken into lines
  // that fit it.
  void PlaceOptions(const QRect& rect);

  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ReadDefinitionFile(std::vector<int32_t>& firstLast);
  void SetUpScrollBar();
  void DrawRuler(QPainter& painter, int rulerBottom);
  void DrawMarker(QPainter& painter, int boundary);
  void DrawRanges(QPainter& painter);
  void DrawPreviewText(QPainter& painter);
  int previewBottom() const { return m_textTop + m_previewLineCount * m_lineHeight; }

  LayoutPageDescriptor m_descriptor;
  CLayoutColumns m_columns;
  // The sheet's values as the page was activated, with the codes and formats
  // a definition file brought; they go back to the sheet with the columns.
  RecordSettings m_carried;
  bool m_readDefinitionFile = false;

  QListWidget* m_list;
  QScrollBar* m_scrollBar;
  std::vector<QCheckBox*> m_optionBoxes;
  QGroupBox* m_optionsGroup = nullptr;
  QFont m_previewFont;

  int m_charWidth = 0;
  int m_lineHeight = 0;
  int m_visibleColumns = 0;
  int m_x0 = 0;  // boundary 0 when nothing is scrolled
  int m_x1 = 0;  // right edge of the last visible column
  int m_rulerBase = 0;
  int m_textTop = 0;
  int m_previewRectBottom = 0;

  int m_scrollColumn = 0;
  int m_scrollMax = 0;
  int m_pendingMarker = -1;
  int m_recordLength = 0;
  int m_previewLineCount = 0;
};

}  // namespace kelvarin
