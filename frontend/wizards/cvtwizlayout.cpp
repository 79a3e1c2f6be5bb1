#include "frontend/wizards/cvtwizlayout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "common/layoutfile.h"
#include "frontend/wizards/cvtwizard.h"
#include "frontend/wizards/formatfields.h"
#include "platform/dialogunits.h"

namespace kelvarin {

namespace {

// The conversion page's refusals of its codes: a blank is refused as not
// printable, so that the parameter row reads back as written.
constexpr SexCodeRefusals kCodingRefusals{"\nSex codes must be different.",
                                          "\nSex codes must be defined.", false};

LayoutPageDescriptor Descriptor(int conversionIndex) {
  const ConversionPage& page = ConversionPageOf(conversionIndex);
  PageDescriptor shown{CCVTwizard::kFirstLayoutPage + conversionIndex, "Conversion wizard (2/2)",
                       "htm/WizLayout.htm", 26};
  shown.pathPrefixes = page.pathPrefixes;
  return {shown,
          CCVTwizard::kFilesPage,
          page.rules,
          LayoutFile::kConversion,
          page.options,
          page.previewTitle,
          LayoutSource::kDefinitionFile,
          page.optionsTitle != nullptr ? page.optionsTitle : ""};
}

}  // namespace

CCVTwizLayout::CCVTwizLayout(int conversionIndex, QWidget* parent)
    : CWizLayout(Descriptor(conversionIndex), parent), m_conversionIndex(conversionIndex) {
  const ConversionPage& page = ConversionPageOf(conversionIndex);
  auto* coding = new QGroupBox(QStringLiteral("Coding"), this);
  coding->setGeometry(DialogRect(this, 5, 45, 62, 63));
  auto* grid = new QGridLayout(coding);
  const QSize edit = DialogRect(this, 0, 0, 14, 12).size();
  m_male = CodeEdit(QStringLiteral("male"), edit.width(), Qt::AlignCenter);
  m_female = CodeEdit(QStringLiteral("female"), edit.width(), Qt::AlignCenter);
  int row = 0;
  for (auto [codeEdit, label] :
       {std::pair{m_male, "Male"}, std::pair{m_female, page.femaleLabel}}) {
    codeEdit->setFixedHeight(std::max(edit.height(), codeEdit->sizeHint().height()));
    grid->addWidget(codeEdit, row, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(label)), row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  if (optionCount() > 0) PlaceOptions(DialogRect(this, 72, 45, 178, 63));
}

void CCVTwizLayout::OnSetActive() {
  CWizLayout::OnSetActive();
  m_male->setText(CodeText(carried().maleCode));
  m_female->setText(CodeText(carried().femaleCode));
}

bool CCVTwizLayout::validatePage() {
  // The codes are tested before the columns.
  const QString problem =
      ReadSexCodes(m_male, m_female, &carried().maleCode, &carried().femaleCode, kCodingRefusals);
  if (!problem.isEmpty()) {
    Refuse(problem);
    return false;
  }
  return CWizLayout::validatePage();
}

void CCVTwizLayout::HandBack() {
  CWizLayout::HandBack();
  const JobSettings& job = settings();
  // The page's variables, no other column, the codes and the box states.
  RecordSettings layout;
  std::vector<int32_t> pairs = LayoutPairs(LayoutFile::kConversion, job);
  pairs.resize(2 * static_cast<size_t>(columns().variableCount()));
  SetLayoutPairs(LayoutFile::kConversion, pairs, layout);
  layout.maleCode = job.maleCode;
  layout.femaleCode = job.femaleCode;
  const OptionWords words = FileWords();
  for (int32_t RecordSettings::*word : words) layout.*word = job.*word;
  SaveLayoutFile(LayoutFile::kConversion, layout, words);
}

}  // namespace kelvarin
