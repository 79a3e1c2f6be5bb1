#include "frontend/shell/textprint.h"

#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <climits>
#include <memory>
#include <utility>
#include <vector>

namespace kelvarin {

namespace {

// Where a page starts: a block and the number of its first line there.
struct PageStart {
  QTextBlock block;
  int line = 0;
};

// Lays the text out one page at a time. Only the block being printed has a
// layout, and its lines all stand at (0, 0): they are placed on the page
// when drawn, so no coordinate grows with the length of the text.
class PagedText {
 public:
  PagedText(const QTextDocument& text, QPaintDevice* device, const QSizeF& page)
      : m_device(device), m_page(page), m_option(text.defaultTextOption()) {
    m_option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QTextBlock last = text.lastBlock();
    if (last != text.firstBlock() && last.length() == 1) m_end = last;
  }

  bool AtEnd(const PageStart& at) const { return !at.block.isValid() || at.block == m_end; }

  // Lays out the page that starts at `at`, draws it when `painter` is given,
  // and returns where the next page starts. A line taller than the page
  // still takes a page of its own.
  PageStart Page(PageStart at, QPainter* painter) {
    qreal y = 0;
    for (; !AtEnd(at); at = {at.block.next(), 0}) {
      const QTextLayout& layout = LayoutOf(at.block);
      for (; at.line < layout.lineCount(); ++at.line) {
        const QTextLine line = layout.lineAt(at.line);
        if (y > 0 && y + line.height() > m_page.height()) return at;
        if (painter) line.draw(painter, QPointF(0, y));
        y += line.height();
      }
    }
    return at;
  }

 private:
  const QTextLayout& LayoutOf(const QTextBlock& block) {
    if (m_layout && m_laidOut == block) return *m_layout;
    m_layout = std::make_unique<QTextLayout>(block.text(), block.charFormat().font(), m_device);
    QList<QTextLayout::FormatRange> formats;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      formats.append(
          {fragment.position() - block.position(), fragment.length(), fragment.charFormat()});
    }
    m_layout->setFormats(formats);
    m_layout->setTextOption(m_option);
    m_layout->beginLayout();
    for (QTextLine line = m_layout->createLine(); line.isValid(); line = m_layout->createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(m_page.width());
      line.setPosition(QPointF());
    }
    m_layout->endLayout();
    m_laidOut = block;
    return *m_layout;
  }

  QPaintDevice* m_device;
  QSizeF m_page;
  QTextOption m_option;
  QTextBlock m_end;  // the trailing empty line, or none
  QTextBlock m_laidOut;
  std::unique_ptr<QTextLayout> m_layout;
};

}  // namespace

int PrintPlainText(const QTextDocument& text, QPrinter* printer, const PageCallback& goOn) {
  PagedText pages(text, printer, QSizeF(printer->width(), printer->height()));
  const QPageRanges ranges = printer->pageRanges();
  auto wanted = [&ranges](int page) { return ranges.isEmpty() || ranges.contains(page); };
  const int lastWanted = ranges.isEmpty() ? INT_MAX : ranges.lastPage();
  auto goesOn = [&goOn](int page, bool printed) { return !goOn || goOn(page, printed); };

  // Printed in the printer's order, the text is walked once and each page
  // wanted is drawn as it comes; last page first, the walk only notes where
  // the pages start and they are drawn afterwards.
  const bool lastFirst = printer->pageOrder() == QPrinter::LastPageFirst;
  std::vector<std::pair<int, PageStart>> lastFirstStarts;
  QPainter painter;
  int printed = 0;
  auto startPage = [&]() {
    if (printed == 0 ? !painter.begin(printer) : !printer->newPage()) return false;
    painter.setPen(Qt::black);
    ++printed;
    return true;
  };
  bool stopped = false;
  // An empty text still has one page, with its one empty line.
  PageStart at{text.firstBlock(), 0};
  for (int page = 1; page <= lastWanted; ++page) {
    const bool drawNow = wanted(page) && !lastFirst;
    if (!goesOn(page, drawNow)) {
      stopped = true;
      break;
    }
    if (wanted(page) && lastFirst) lastFirstStarts.emplace_back(page, at);
    if (drawNow && !startPage()) return -1;
    at = pages.Page(at, drawNow ? &painter : nullptr);
    if (pages.AtEnd(at)) break;
  }
  for (auto it = lastFirstStarts.rbegin(); !stopped && it != lastFirstStarts.rend(); ++it) {
    if (!goesOn(it->first, true)) break;
    if (!startPage()) return -1;
    pages.Page(it->second, &painter);
  }
  if (printed > 0 && (!painter.end() || printer->printerState() == QPrinter::Error)) return -1;
  return printed;
}

}  // namespace kelvarin
