// Printing a plain text page by page, each block laid out on its own at the
// width of the page, lines that are wider than the page broken.
#pragma once

#include <functional>

class QPrinter;
class QTextDocument;

namespace kelvarin {

// Called before each page is laid out with its number in the text, and
// whether it is printed now (a page outside the ranges, or one whose start a
// last-page-first print is still looking for, is only laid out); false
// stops the print there.
using PageCallback = std::function<bool(int page, bool printed)>;

// Prints `text` on `printer` inside the printer's margins, without page
// numbers, the pages of the printer's page ranges in its page order. A
// trailing empty line is not printed. Returns the number of pages printed;
// 0 when no page of the ranges is in the text (nothing is printed then); -1
// when the printer cannot be started or cannot begin a new page. A print
// that `goOn` stops ends with the pages printed so far and returns their
// number (0: the printer was never started).
//
// No layout holds the whole text: a text laid out as one document at
// printer resolution overflows the layout's coordinates past some 2,600
// pages and then prints blank, while here the length of a text is bounded
// only by the printer.
int PrintPlainText(const QTextDocument& text, QPrinter* printer, const PageCallback& goOn = {});

}  // namespace kelvarin
