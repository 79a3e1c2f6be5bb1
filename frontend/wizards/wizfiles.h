// The Files page of the wizards: the input file and the output file. Next
// tests both paths before the sheet takes them; for a fixed-width input it
// also probes the record length and the preview.
#pragma once

#include <functional>

#include "frontend/wizards/wizpage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kelvarin {

// The captions of the two file groups and the filters of their Browse dialogs.
struct FilesPageTexts {
  const char* inputGroup;
  const char* outputGroup;
  const char* inputFilter;
  const char* outputFilter;
};

// A data file of fixed-length records in and out.
extern const FilesPageTexts kFixedWidthFiles;

struct FilesPageDescriptor {
  PageDescriptor page;
  int nextId;
  bool inputOpensForUpdate;   // the input test opens it for reading and writing
  const char* moreInfoTopic;  // a "More info..." button opening this topic; nullptr for none
  const FilesPageTexts* texts = &kFixedWidthFiles;
  // The input is delimited text: it is not probed for fixed-length records,
  // and the box "First row has column names" (cleared when the page is
  // built) gives firstRowHasNames.
  bool delimitedInput = false;
};

class CWizFiles : public CWizPage {
  Q_OBJECT

 public:
  explicit CWizFiles(const FilesPageDescriptor& descriptor, QWidget* parent = nullptr);

  // Called each time the page accepts its entries: the layout page then
  // reloads its definition file.
  void SetOnAccepted(std::function<void()> onAccepted) { m_onAccepted = std::move(onAccepted); }

  void OnSetActive() override;
  bool validatePage() override;
  int nextId() const override { return m_descriptor.nextId; }

  QLineEdit* inputEdit() const { return m_input; }
  QLineEdit* outputEdit() const { return m_output; }
  // The box of a delimited input; nullptr on the other pages.
  QCheckBox* firstRowHasNamesBox() const { return m_firstRowHasNames; }

 private:
  void BrowseInput();
  void BrowseOutput();
  bool AcceptInput(const std::string& input);
  bool AcceptOutput(const std::string& input, const std::string& output);

  FilesPageDescriptor m_descriptor;
  QLineEdit* m_input;
  QLineEdit* m_output;
  QCheckBox* m_firstRowHasNames = nullptr;
  std::function<void()> m_onAccepted;
  bool m_filled = false;
};

}  // namespace kelvarin
