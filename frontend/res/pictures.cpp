#include "frontend/res/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "frontend/res/imageids.h"
#include "platform/programicon.h"

namespace kelvarin {
namespace {

// The colours of the tool-bar pictures.
const QColor kOutline(0x60, 0x60, 0x60);
const QColor kRule(0x90, 0x90, 0x90);
const QColor kGreen(0x2e, 0x7d, 0x32);
const QColor kOrange(0xc6, 0x5f, 0x00);
const QColor kFolder(0xe0, 0xb0, 0x40);
const QColor kBlue(0x1f, 0x5f, 0xa8);
const QColor kNavy(0x1f, 0x3a, 0x68);
const QColor kSky(0x2a, 0x7a, 0xb8);
const QColor kRibbon(0xf2, 0xc1, 0xd1);
const QColor kRed(0xc0, 0x30, 0x30);

// Icons are drawn on a grid of 32 units; `pen` is one pixel at 32 pixels,
// two units (still one pixel) at 16.
constexpr qreal kIconGrid = 32.0;

// A sheet of paper with a folded corner inside `r`, ruled every `step`
// units (no rules for 0).
void Sheet(QPainter& p, const QRectF& r, qreal pen, qreal step) {
  const qreal fold = std::min(r.width(), r.height()) / 3.5;
  QPainterPath outline;
  outline.moveTo(r.left(), r.top());
  outline.lineTo(r.right() - fold, r.top());
  outline.lineTo(r.right(), r.top() + fold);
  outline.lineTo(r.right(), r.bottom());
  outline.lineTo(r.left(), r.bottom());
  outline.closeSubpath();
  p.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::white);
  p.drawPath(outline);
  p.setBrush(QColor(0xd8, 0xd8, 0xd8));
  p.drawPolygon(QPolygonF{QPointF(r.right() - fold, r.top()),
                          QPointF(r.right() - fold, r.top() + fold),
                          QPointF(r.right(), r.top() + fold)});
  if (step <= 0) return;
  p.setPen(QPen(kRule, pen));
  for (qreal y = r.top() + fold + step; y < r.bottom() - step / 2; y += step)
    p.drawLine(QPointF(r.left() + 2 * pen + 1, y), QPointF(r.right() - 2 * pen - 1, y));
}

// A line drawn twice: wide in white, then in `colour`, so that it stands out
// on a sheet and on a background alike.
void HaloLine(QPainter& p, const QPolygonF& line, const QColor& colour, qreal width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, width + 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(line);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(line);
}

QPolygonF Tick(qreal x, qreal y, qreal size) {
  return {QPointF(x, y + size * 0.55), QPointF(x + size * 0.35, y + size), QPointF(x + size, y)};
}

// A green arrow to the right along `y`, from `x0` to `x1`.
void Arrow(QPainter& p, qreal x0, qreal x1, qreal y, qreal width) {
  const qreal head = width * 1.6;
  HaloLine(p, {QPointF(x0, y), QPointF(x1, y)}, kGreen, width);
  HaloLine(p, {QPointF(x1 - head, y - head), QPointF(x1, y), QPointF(x1 - head, y + head)}, kGreen,
           width);
}

// Head and shoulders, centred on `x`, the head's top at `top`.
void Person(QPainter& p, qreal x, qreal top, qreal height, const QColor& colour) {
  const qreal head = height * 0.42;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QRectF(x - head / 2, top, head, head));
  const qreal shoulders = height * 0.9;
  p.drawChord(QRectF(x - shoulders / 2, top + head * 1.1, shoulders, shoulders), 0, 180 * 16);
}

// The Files pages: an open folder with a sheet in it.
void DrawFiles(QPainter& p, qreal pen) {
  const QColor edge = kFolder.darker(150);
  p.setPen(QPen(edge, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(kFolder.darker(115));
  p.drawPolygon(QPolygonF{QPointF(2.5, 28.5), QPointF(2.5, 5.5), QPointF(11.5, 5.5),
                          QPointF(13.5, 8.5), QPointF(27.5, 8.5), QPointF(27.5, 28.5)});
  Sheet(p, QRectF(7.5, 2.5, 17, 20), pen, pen > 1 ? 0 : 3);
  p.setPen(QPen(edge, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(kFolder);
  p.drawPolygon(
      QPolygonF{QPointF(2.5, 28.5), QPointF(6.5, 14.5), QPointF(30.5, 14.5), QPointF(26.5, 28.5)});
}

// The check wizard: a record sheet ticked off.
void DrawCheck(QPainter& p, qreal pen) {
  Sheet(p, QRectF(3.5, 1.5, 21, 28), pen, pen > 1 ? 5 : 3.5);
  HaloLine(p, Tick(10, 8, 19), kGreen, pen > 1 ? 4.5 : 3.5);
}

// The multiple-primary wizard: a person's records, one behind the other.
void DrawMultiple(QPainter& p, qreal pen) {
  const QColor edge = kOrange.darker(150);
  p.setPen(QPen(edge, pen));
  p.setBrush(kOrange.lighter(160));
  p.drawRoundedRect(QRectF(1.5, 1.5, 19, 19), 2, 2);
  p.setPen(QPen(Qt::white, pen > 1 ? 2 : 1.5));
  for (qreal y : {6.5, 10.5}) p.drawLine(QPointF(4.5, y), QPointF(pen > 1 ? 9.5 : 17.5, y));
  p.setPen(QPen(edge, pen));
  p.setBrush(kOrange);
  p.drawRoundedRect(QRectF(11.5, 11.5, 19, 19), 2, 2);
  Person(p, 21, 14.5, 14, Qt::white);
}

// The file transfer: delimited records turned into fixed columns.
void DrawTransfer(QPainter& p, qreal pen) {
  if (pen > 1) {  // small: the sheet and the arrow of the tool-bar button
    Sheet(p, QRectF(1, 1, 18, 30), pen, 5);
    Arrow(p, 12, 29, 16, 4);
    return;
  }
  Sheet(p, QRectF(1.5, 1.5, 17, 23), pen, 0);
  // Fields of uneven length, each followed by its delimiter.
  const qreal fields[][3] = {{3, 5, 2}, {4, 2, 4}, {2, 6, 1}, {5, 3, 3}};
  for (int row = 0; row < 4; ++row) {
    const qreal y = 10 + 3.5 * row;
    qreal x = 4;
    for (qreal length : fields[row]) {
      p.setPen(QPen(kBlue, 1.5));
      p.drawLine(QPointF(x, y), QPointF(x + length, y));
      x += length + 1.5;
      p.setPen(QPen(kRed, 1));
      p.drawLine(QPointF(x - 0.5, y - 1.5), QPointF(x - 0.5, y + 1.5));
      x += 1;
    }
  }
  // The same fields right-aligned in two columns.
  Sheet(p, QRectF(13.5, 10.5, 17, 20), pen, 0);
  const qreal widths[][2] = {{3, 5}, {4, 2}, {2, 6}, {5, 3}};
  for (int row = 0; row < 4; ++row) {
    const qreal y = 17.5 + 3.5 * row;
    p.setPen(QPen(kBlue, 1.5));
    p.drawLine(QPointF(21.5 - widths[row][0], y), QPointF(21.5, y));
    p.drawLine(QPointF(28 - widths[row][1], y), QPointF(28, y));
  }
  Arrow(p, 20, 30, 5.5, 2.5);
}

// Beside the list of checks: a record sheet checked line by line under a
// magnifying glass, on the program's dark blue with its ribbon below. Drawn
// on a grid of 100 x 180 units.
constexpr qreal kCheckBitmapWidth = 100.0;
constexpr qreal kCheckBitmapHeight = 180.0;

void DrawCheckBitmap(QPainter& p) {
  QLinearGradient shade(0, 0, 0, kCheckBitmapHeight);
  shade.setColorAt(0, kNavy);
  shade.setColorAt(1, kSky);
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(0, 0, kCheckBitmapWidth, kCheckBitmapHeight), 5, 5);

  Sheet(p, QRectF(12.5, 18.5, 62, 96), 1.2, 0);
  constexpr int kRows = 7;
  constexpr int kRefusedRow = 4;
  auto rowY = [](int row) { return 44 + 9.5 * row; };
  auto cross = [&p](const QPointF& centre, qreal half, qreal width) {
    p.setPen(QPen(kRed, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(half, -half), centre + QPointF(-half, half));
  };
  for (int row = 0; row < kRows; ++row) {
    const qreal y = rowY(row);
    p.setPen(QPen(kRule, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, y), QPointF(row % 2 == 0 ? 50 : 44, y));
    if (row == kRefusedRow) continue;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(Tick(57, y - 3.5, 7.5));
  }

  // The magnifying glass over the refused line, showing its cross enlarged.
  const QPointF centre(61, rowY(kRefusedRow));
  const qreal radius = 14;
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(11, 11), centre + QPointF(24, 24));
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 3.5));
  p.setBrush(QColor(0xf4, 0xf8, 0xfc));
  p.drawEllipse(centre, radius, radius);
  cross(centre, 5.5, 3.5);
  p.setPen(QPen(QColor(0xa0, 0xc0, 0xe0), 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(
      QRectF(centre.x() - radius + 4, centre.y() - radius + 4, 2 * radius - 8, 2 * radius - 8),
      100 * 16, 70 * 16);

  // The ribbon of the program's icon.
  p.setPen(QPen(kRibbon, 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(39, 168), QPointF(53, 134));
  p.drawLine(QPointF(61, 168), QPointF(47, 134));
}

QPixmap Blank(QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap IconPicture(int id, int size, qreal devicePixelRatio) {
  if (id == kIdIconMainFrame) return ProgramIcon().pixmap(QSize(size, size), devicePixelRatio);
  void (*draw)(QPainter&, qreal) = nullptr;
  switch (id) {
    case kIdIconFilesPage:
      draw = DrawFiles;
      break;
    case kIdIconCheckWizard:
      draw = DrawCheck;
      break;
    case kIdIconMultipleWizard:
      draw = DrawMultiple;
      break;
    case kIdIconTransferWizard:
      draw = DrawTransfer;
      break;
    default:
      return QPixmap();
  }
  QPixmap pixmap = Blank(QSize(size, size), devicePixelRatio);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal scale = size / kIconGrid;
  painter.scale(scale, scale);
  // One pixel wide lines whatever the size, and below 24 pixels the
  // simpler drawing.
  draw(painter, size < 24 ? kIconGrid / size : 1.0);
  return pixmap;
}

QPixmap BitmapPicture(int id, QSize size, qreal devicePixelRatio) {
  if (id != kIdBitmapCheckFinish || size.isEmpty()) return QPixmap();
  QPixmap pixmap = Blank(size, devicePixelRatio);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal scale =
      std::min(size.width() / kCheckBitmapWidth, size.height() / kCheckBitmapHeight);
  painter.translate((size.width() - kCheckBitmapWidth * scale) / 2, 0);
  painter.scale(scale, scale);
  DrawCheckBitmap(painter);
  return pixmap;
}

}  // namespace kelvarin
