#include "frontend/wizards/transwiz1.h"

#include "frontend/wizards/transwizard.h"

namespace kelvarin {

namespace {

const FilesPageTexts kTransferFiles = {
    "Input file (Delimited format: the columns are separated by any character)",
    "Output file (Fixed field: information will be aligned into columns of equal width)",
    "Delimited Text (*.txt *.csv);;All files (*)",
    "Formated Text (*.prn *.dat *.rpt);;All files (*)"};

}  // namespace

CTRANSwiz1::CTRANSwiz1(QWidget* parent)
    : CWizFiles({{CTRANSwizard::kFilesPage, "File Transfer (1/2)", "htm/WizFilesTransfert.htm", -1},
                 CTRANSwizard::kColumnsPage,
                 false,
                 nullptr,
                 &kTransferFiles,
                 true},
                parent) {}

}  // namespace kelvarin
