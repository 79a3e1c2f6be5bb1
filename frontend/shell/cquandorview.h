// A report window's view: the document's text, unwrapped, in one character
// format chosen with the window's own "Text properties" sheet; editing,
// printing and print preview.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCharFormat>

#include "frontend/shell/ccommandtarget.h"

class QPrinter;

namespace kelvarin {

class CFontSheet;
class CQuandorDoc;

// CQuandorView: the view of a report window, which shows and edits its document.
class CQuandorView : public QPlainTextEdit, public CCommandTarget {
  Q_OBJECT

 public:
  // Half an inch on every side of a printed page, until the user sets other
  // margins.
  static constexpr double kPrintMarginMillimetres = 12.7;

  explicit CQuandorView(CQuandorDoc* document, QWidget* parent = nullptr);
  ~CQuandorView() override;

  CFontSheet& TextSheet() { return *m_textSheet; }

  // The printer that print, print direct and preview use.
  void SetPrinter(QPrinter* printer) { m_printer = printer; }
  // The number of pages the print preview shows side by side (1 or 2; 0 for
  // not chosen yet, which shows one); the preview keeps the user's choice
  // in it.
  void SetPreviewPages(int* pages) { m_previewPages = pages; }

  // Edit > Properties: runs the sheet; OK formats the whole text with its
  // choices, Cancel gives the whole text back the format it had at the
  // caret when the sheet was opened (undoing an Apply).
  void OnProperties();
  // The sheet's Apply and OK: the whole text in the sheet's format.
  void OnApplyTextProperties();

  void OnFilePrint();
  void OnFilePrintDirect();
  void OnFilePrintPreview();

  bool HandlesCommand(int id) const override;
  bool IsCommandEnabled(int id) const override;
  void OnCommand(int id) override;

 signals:
  // A command may have become available or unavailable.
  void commandStateChanged();
  // File Close: the window is to close.
  void closeRequested();

 private:
  // Names the print job, and a file to print to, after this document.
  void PreparePrinter(QPrinter* printer) const;
  // Prints the text on `printer` inside its margins, breaking the lines that
  // are wider than the page, while a printing dialog names the document and
  // the page and offers Cancel; or says why nothing was printed: the printer
  // failed, or (with `sayNoPage`) its page range holds no page of the
  // report. The preview, which draws its pages and prints through here, only
  // says a failure. Cancel says nothing. A PDF file is replaced only by a
  // print that ends well: one cancelled or failed leaves no part of it, and
  // a file of that name that was there as it was.
  void PrintOrSay(QPrinter* printer, bool sayNoPage = true);
  // Formats the whole text, then puts the caret at the start; the document
  // counts as changed only if it was before.
  void ApplyFormatToAll(const QTextCharFormat& format, bool undoable);

  CQuandorDoc* m_document;
  CFontSheet* m_textSheet;
  QTextCharFormat m_currentFormat;
  QPrinter* m_printer = nullptr;
  int* m_previewPages = nullptr;
};

}  // namespace kelvarin
