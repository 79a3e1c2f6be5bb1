// Printing a plain text page by page, each block laid out on its own at the
// width of the page, lines that are wider than the page broken.
#pragma once

class QPrinter;
class QTextDocument;

namespace kelvarin {

// Prints `text` on `printer` inside the printer's margins, without page
// numbers, the pages of the printer's page ranges in its page order. A
// trailing empty line is not printed. Returns the number of pages printed;
// 0 when no page of the ranges is in the text (nothing is printed then); -1
// when the printer cannot be started or cannot begin a new page.
//
// No layout holds the whole text: a text laid out as one document at
// printer resolution overflows the layout's coordinates past some 2,600
// pages and then prints blank, while here the length of a text is bounded
// only by the printer.
int PrintPlainText(const QTextDocument& text, QPrinter* printer);

}  // namespace kelvarin
