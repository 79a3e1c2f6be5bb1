#include "frontend/shell/cquandorview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextCursor>
#include <optional>

#include "common/replacementfile.h"
#include "frontend/res/commandids.h"
#include "frontend/shell/cfontsheet.h"
#include "frontend/shell/cpage1.h"
#include "frontend/shell/cpage2.h"
#include "frontend/shell/cpage4.h"
#include "frontend/shell/cprintingdlg.h"
#include "frontend/shell/cquandordoc.h"
#include "frontend/shell/textprint.h"
#include "platform/messagebox.h"
#include "platform/pathtext.h"

namespace kelvarin {

namespace {

// Whether a PDF file ends as one does, with its end-of-file marker: the
// printer tells of a write that fails before a page, but not of one that
// fails as it ends the file (a full disk), which leaves the file cut short.
bool EndsAsPdf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.seek(qMax<qint64>(0, file.size() - 32)) &&
         file.readAll().trimmed().endsWith("%%EOF");
}

}  // namespace

CQuandorView::CQuandorView(CQuandorDoc* document, QWidget* parent)
    : QPlainTextEdit(parent), m_document(document), m_textSheet(new CFontSheet(this)) {
  setDocument(document->TextDocument());
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // A new window shows its text in Courier New, 10 points, regular.
  m_textSheet->Page1().m_faceChoice = 2;
  m_textSheet->Page2().m_bold = 0;
  m_textSheet->Page2().m_italic = 0;
  m_textSheet->Page2().m_underline = 0;
  m_textSheet->Page4().m_pointSize = 10;
  m_currentFormat = m_textSheet->BuildCharFormat();
  ApplyFormatToAll(m_currentFormat, false);
  connect(m_textSheet, &CFontSheet::applyTextProperties, this,
          &CQuandorView::OnApplyTextProperties);
  connect(document, &CQuandorDoc::contentsReplaced, this,
          [this] { ApplyFormatToAll(m_currentFormat, false); });
  connect(this, &QPlainTextEdit::copyAvailable, this, &CQuandorView::commandStateChanged);
  connect(this, &QPlainTextEdit::undoAvailable, this, &CQuandorView::commandStateChanged);
}

CQuandorView::~CQuandorView() {
  // The base class may still report changes while it is taken down.
  disconnect(this, nullptr, nullptr, nullptr);
}

void CQuandorView::OnProperties() {
  const QTextCharFormat before = textCursor().charFormat();
  const int result = m_textSheet->exec();
  if (result == QDialog::Accepted)
    ApplyFormatToAll(m_textSheet->BuildCharFormat(), true);
  else if (result == QDialog::Rejected)
    ApplyFormatToAll(before, true);
}

void CQuandorView::OnApplyTextProperties() {
  ApplyFormatToAll(m_textSheet->BuildCharFormat(), true);
}

void CQuandorView::ApplyFormatToAll(const QTextCharFormat& format, bool undoable) {
  QTextDocument* text = document();
  const bool wasModified = text->isModified();
  const bool undoWasEnabled = text->isUndoRedoEnabled();
  if (!undoable) text->setUndoRedoEnabled(false);
  QTextCursor cursor(text);
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.setCharFormat(format);
  cursor.setBlockCharFormat(format);
  cursor.endEditBlock();
  if (!undoable) text->setUndoRedoEnabled(undoWasEnabled);
  text->setModified(wasModified);
  m_currentFormat = format;
  QFont font = format.font();
  setFont(font);
  cursor.setPosition(0);
  setTextCursor(cursor);
}

void CQuandorView::PreparePrinter(QPrinter* printer) const {
  const QString title = m_document->Title();
  printer->setDocName(title);
  // A printer that last wrote a file proposes one named after this document,
  // in the same folder, never the file of the document printed before.
  const QString lastFile = printer->outputFileName();
  if (lastFile.isEmpty() || title.isEmpty()) return;
  QString proposed = QFileInfo(lastFile).dir().filePath(QFileInfo(title).completeBaseName() +
                                                        QStringLiteral(".pdf"));
  // A report that is itself a .pdf beside the last one printed is never
  // proposed as its own print file.
  const QString own = m_document->PathName();
  if (!own.isEmpty() && QFileInfo(proposed) == QFileInfo(own))
    proposed = QFileInfo(lastFile).dir().filePath(title + QStringLiteral(".pdf"));
  printer->setOutputFileName(proposed);
}

void CQuandorView::PrintOrSay(QPrinter* printer, bool sayNoPage) {
  // The preview lays its pages out on a picture engine put in front of the
  // printer: a Cancel there leaves it the pages laid out so far.
  const bool preview = printer->paintEngine()->type() == QPaintEngine::Picture;
  const QString file = printer->outputFileName();
  auto cannotPrint = [this, &file] {
    ShowStopMessage(this, file.isEmpty() ? tr("The report could not be printed.")
                                         : tr("The report could not be printed to %1.").arg(file));
  };
  // A PDF file's pages go into a new file beside it, which takes its name
  // only when the last page is out: a print cancelled or failed leaves the
  // file that was there as it was.
  std::optional<ReplacementFile> pdf;
  if (!preview && printer->outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
    pdf.emplace(ToLocalPath(file));
    if (!pdf->Created()) {
      cannotPrint();
      return;
    }
    // The printer opens its file when the first page begins.
    printer->setOutputFileName(FromLocalPath(pdf->Name()));
  }
  QWidget* over = QApplication::activeModalWidget();
  CPrintingDlg progress(printer->docName(), over ? over : this);
  // Inside the printer's own margins: half an inch until the user sets others.
  int pages = PrintPlainText(*document(), printer, [&](int page, bool printed) {
    if (progress.GoOn(page, printed)) return true;
    // Throws the job away where the printer can.
    if (!preview && printer->printerState() == QPrinter::Active) printer->abort();
    return false;
  });
  if (pdf) {
    // The next print proposes its file beside the one the user chose.
    printer->setOutputFileName(file);
    if (pages > 0 && !progress.Cancelled() &&
        (!EndsAsPdf(FromLocalPath(pdf->Name())) ||
         pdf->PutInPlace() != ReplacementFile::Placement::kPlaced))
      pages = -1;
    pdf.reset();
  }
  if (progress.Cancelled()) return;
  if (pages == 0 && sayNoPage)
    ShowStopMessage(this, tr("The report has no page in the range chosen; nothing was printed."));
  else if (pages < 0)
    cannotPrint();
}

void CQuandorView::OnFilePrint() {
  if (!m_printer) return;
  PreparePrinter(m_printer);
  QPrintDialog dialog(m_printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintOrSay(m_printer);
}

void CQuandorView::OnFilePrintDirect() {
  if (!m_printer) return;
  PreparePrinter(m_printer);
  PrintOrSay(m_printer);
}

void CQuandorView::OnFilePrintPreview() {
  if (!m_printer) return;
  PreparePrinter(m_printer);
  QPrintPreviewDialog preview(m_printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { PrintOrSay(printer, false); });
  auto* pages = preview.findChild<QPrintPreviewWidget*>();
  const int openedWith = m_previewPages && *m_previewPages >= 2 ? 2 : 1;
  if (pages && openedWith == 2) {
    // Through the dialog's own button when it has one, so that it shows checked.
    if (QAction* facing = preview.findChild<QAction*>(QStringLiteral("facingModeAction")))
      facing->trigger();
    else
      pages->setViewMode(QPrintPreviewWidget::FacingPagesView);
  }
  preview.exec();
  if (!pages || !m_previewPages) return;
  const int closedWith = pages->viewMode() == QPrintPreviewWidget::SinglePageView    ? 1
                         : pages->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2
                                                                                     : 0;
  if (closedWith != 0 && closedWith != openedWith) *m_previewPages = closedWith;
}

bool CQuandorView::HandlesCommand(int id) const {
  switch (id) {
    case kIdFileClose:
    case kIdFileSave:
    case kIdFileSaveAs:
    case kIdFilePrint:
    case kIdFilePrintDirect:
    case kIdFilePrintPreview:
    case kIdEditUndo:
    case kIdEditCut:
    case kIdEditCopy:
    case kIdEditPaste:
    case kIdEditProperties:
      return true;
    default:
      return false;
  }
}

bool CQuandorView::IsCommandEnabled(int id) const {
  switch (id) {
    case kIdEditUndo:
      return document()->isUndoAvailable() && !isReadOnly();
    case kIdEditCut:
      return textCursor().hasSelection() && !isReadOnly();
    case kIdEditCopy:
      return textCursor().hasSelection();
    case kIdEditPaste:
      return canPaste();
    case kIdFilePrint:
    case kIdFilePrintDirect:
    case kIdFilePrintPreview:
      return m_printer != nullptr;
    default:
      return HandlesCommand(id);
  }
}

void CQuandorView::OnCommand(int id) {
  switch (id) {
    case kIdFileClose:
      emit closeRequested();
      break;
    case kIdFileSave:
      m_document->DoFileSave();
      break;
    case kIdFileSaveAs:
      m_document->DoSave(QString());
      break;
    case kIdFilePrint:
      OnFilePrint();
      break;
    case kIdFilePrintDirect:
      OnFilePrintDirect();
      break;
    case kIdFilePrintPreview:
      OnFilePrintPreview();
      break;
    case kIdEditUndo:
      undo();
      break;
    case kIdEditCut:
      cut();
      break;
    case kIdEditCopy:
      copy();
      break;
    case kIdEditPaste:
      paste();
      break;
    case kIdEditProperties:
      OnProperties();
      break;
    default:
      break;
  }
  emit commandStateChanged();
}

}  // namespace kelvarin
