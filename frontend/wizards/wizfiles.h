// The Files page of the layout wizards: the input data file and the output
// file. Next probes the input file for its record length and preview and
// tests the output path before the sheet takes them.
#pragma once

#include <functional>

#include "frontend/wizards/wizpage.h"

class QLineEdit;
class QPushButton;

namespace kelvarin {

struct FilesPageDescriptor {
  PageDescriptor page;
  int nextId;
  bool inputOpensForUpdate;   // the input test opens it for reading and writing
  const char* moreInfoTopic;  // a "More info..." button opening this topic; nullptr for none
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

 private:
  void BrowseInput();
  void BrowseOutput();
  bool AcceptInput(const std::string& input);
  bool AcceptOutput(const std::string& input, const std::string& output);

  FilesPageDescriptor m_descriptor;
  QLineEdit* m_input;
  QLineEdit* m_output;
  std::function<void()> m_onAccepted;
  bool m_filled = false;
};

}  // namespace kelvarin
