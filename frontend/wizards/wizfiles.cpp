#include "frontend/wizards/wizfiles.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/fileidentity.h"
#include "common/inputfileprobe.h"
#include "common/parameterfile.h"
#include "frontend/res/imageids.h"
#include "frontend/wizards/filechecks.h"
#include "frontend/wizards/wizardsheet.h"
#include "platform/messagebox.h"

namespace kelvarin {

const FilesPageTexts kFixedWidthFiles = {
    "Input file", "Output file", "Text file (*.prn *.txt *.dat *.asc *.rpt);;All files (*)",
    "Text file (*.dat *.asc *.txt *.prn *.rpt);;All files (*)"};

namespace {

QLineEdit* AddFileGroup(QVBoxLayout* layout, const QString& title, const QString& name,
                        QPushButton** browse) {
  auto* group = new QGroupBox(title);
  auto* row = new QHBoxLayout(group);
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  *browse = new QPushButton(QStringLiteral("Browse..."));
  row->addWidget(edit, 1);
  row->addWidget(*browse);
  layout->addWidget(group);
  return edit;
}

}  // namespace

CWizFiles::CWizFiles(const FilesPageDescriptor& descriptor, QWidget* parent)
    : CWizPage(descriptor.page, parent), m_descriptor(descriptor) {
  SetLeftIcon(kIdIconFilesPage);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 40, 10, 10);
  QPushButton* browseInput = nullptr;
  QPushButton* browseOutput = nullptr;
  const FilesPageTexts& texts = *descriptor.texts;
  m_input = AddFileGroup(layout, QString::fromLatin1(texts.inputGroup), QStringLiteral("input"),
                         &browseInput);
  m_output = AddFileGroup(layout, QString::fromLatin1(texts.outputGroup), QStringLiteral("output"),
                          &browseOutput);
  if (descriptor.delimitedInput) {
    m_firstRowHasNames = new QCheckBox(QStringLiteral("First row has column names"));
    m_firstRowHasNames->setObjectName(QStringLiteral("firstRowHasNames"));
    layout->addWidget(m_firstRowHasNames);
  }
  connect(browseInput, &QPushButton::clicked, this, &CWizFiles::BrowseInput);
  connect(browseOutput, &QPushButton::clicked, this, &CWizFiles::BrowseOutput);
  if (descriptor.moreInfoTopic != nullptr) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("This program has some limitations.")));
    auto* moreInfo = new QPushButton(QStringLiteral("More info..."));
    moreInfo->setObjectName(QStringLiteral("moreInfo"));
    row->addWidget(moreInfo);
    row->addStretch();
    layout->addLayout(row);
    connect(moreInfo, &QPushButton::clicked, this, [this] {
      emit sheet()->helpTopicRequested(QString::fromLatin1(m_descriptor.moreInfoTopic));
    });
  }
  layout->addStretch();
}

void CWizFiles::OnSetActive() {
  CWizPage::OnSetActive();
  if (m_filled) return;
  m_filled = true;
  m_input->setText(FromLocalPath(settings().inputFile));
  m_output->setText(FromLocalPath(settings().outputFile));
}

void CWizFiles::BrowseInput() {
  QFileDialog dialog(this, QString(), FromLocalPath(settings().inputFile),
                     QString::fromLatin1(m_descriptor.texts->inputFilter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  m_input->setText(path);
  settings().inputFolder = ToLocalPath(QFileInfo(path).path());
}

void CWizFiles::BrowseOutput() {
  QFileDialog dialog(this, QString(), FromLocalPath(settings().outputFile),
                     QString::fromLatin1(m_descriptor.texts->outputFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the page asks itself
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  m_output->setText(path);
  settings().outputFolder = ToLocalPath(QFileInfo(path).path());
}

bool CWizFiles::validatePage() {
  const std::string input = ToLocalPath(m_input->text());
  if (!AcceptInput(input)) return false;
  const std::string output = ToLocalPath(m_output->text());
  if (!AcceptOutput(input, output)) return false;
  settings().outputFile = output;
  if (m_firstRowHasNames != nullptr) settings().firstRowHasNames = m_firstRowHasNames->isChecked();
  if (m_onAccepted) m_onAccepted();
  return true;
}

bool CWizFiles::AcceptInput(const std::string& input) {
  if (input.empty()) return false;
  if (!FitsParameterLine(input)) {
    ShowStopMessage(
        this, QStringLiteral("Input file name must not hold a line break or a NUL character!"));
    return false;
  }
  if (!OpensAsRegularFile(input, m_descriptor.inputOpensForUpdate)) {
    ShowStopMessage(this, QStringLiteral("Cannot open input file!"));
    return false;
  }
  if (m_descriptor.delimitedInput) {
    settings().inputFile = input;
    return true;
  }
  CInputFileProbe probe;
  auto refuseWithProbeMessage = [this, &probe] {
    if (!probe.message().empty()) ShowInformationMessage(this, FromLocalPath(probe.message()));
    return false;
  };
  const int lengths = probe.DetectRecordLength(input);
  if (lengths == CInputFileProbe::kProbeLengthsDiffer) {
    ShowInformationMessage(
        this, QStringLiteral("Selected file does not have a fixed length record format."));
    return false;
  }
  if (lengths != CInputFileProbe::kProbeOk) return refuseWithProbeMessage();
  if (probe.recordLength < 1 || probe.recordLength > kMaxRecordLength) {
    ShowStopMessage(
        this, QStringLiteral(
                  "Record length of the selected file is %1: records must have 1 to %2 characters.")
                  .arg(probe.recordLength)
                  .arg(kMaxRecordLength));
    return false;
  }
  if (probe.LoadPreview(input) != CInputFileProbe::kProbeOk) return refuseWithProbeMessage();

  JobSettings& job = settings();
  job.recordLength = probe.recordLength;
  job.fileSize = probe.fileSize;
  job.previewLineCount = probe.previewLineCount;
  job.previewLineLengths = probe.previewLineLengths;
  job.previewLines = probe.previewLines;
  job.inputFile = input;
  return true;
}

bool CWizFiles::AcceptOutput(const std::string& input, const std::string& output) {
  if (output.empty()) return false;
  if (!FitsParameterLine(output)) {
    ShowStopMessage(
        this, QStringLiteral("Output file name must not hold a line break or a NUL character!"));
    return false;
  }
  if (SameFile(input, output)) {
    ShowStopMessage(this, QStringLiteral("Output and input file names are identical!"));
    return false;
  }
  switch (CheckOutputFile(output)) {
    case OutputFileState::kExists:
      return AskYesNo(this,
                      QStringLiteral("Output file already exists. Do you want to overwrite it?"));
    case OutputFileState::kNotAccessible:
      ShowStopMessage(this, QStringLiteral("Output file is not accessible!"));
      return false;
    case OutputFileState::kAbsent:
      break;
  }
  return true;
}

}  // namespace kelvarin
