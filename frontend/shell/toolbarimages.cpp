#include "frontend/shell/toolbarimages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "frontend/res/commandids.h"

namespace kelvarin {
namespace {

enum class Glyph {
  kFolder,
  kDisk,
  kScissors,
  kCopy,
  kPaste,
  kPrinter,
  kQuestion,
  kBook,
  kCascade,
  kTileAbove,
  kTileBeside,
  kGlobe,
  kChart,
  kFind,
  kTick,
  kPair,
  kTransfer,
  kCard,  // a coloured card with a short code name
};

struct ImageRecipe {
  int command;
  Glyph glyph;
  QRgb colour;
  const char* label;  // for a card
};

// Cards name the code a conversion starts from, coloured by classification.
constexpr QRgb kIcd9 = 0xff8a5a2b;
constexpr QRgb kIcd10 = 0xff2e7d32;
constexpr QRgb kIcdO1 = 0xff6a3d9a;
constexpr QRgb kIcdO2 = 0xffc65f00;
constexpr QRgb kIcdO3 = 0xff1f5fa8;

constexpr ImageRecipe kRecipes[] = {
    {kIdFileOpen, Glyph::kFolder, 0xffe0b040, nullptr},
    {kIdFileSave, Glyph::kDisk, 0xff2f5d9a, nullptr},
    {kIdEditCut, Glyph::kScissors, 0xff404040, nullptr},
    {kIdEditCopy, Glyph::kCopy, 0xff4a6fa5, nullptr},
    {kIdEditPaste, Glyph::kPaste, 0xff9a6b3a, nullptr},
    {kIdFilePrint, Glyph::kPrinter, 0xff707070, nullptr},
    {kIdAppAbout, Glyph::kQuestion, 0xff1f5fa8, nullptr},
    {kIdHelpFinder, Glyph::kBook, 0xff1f5fa8, nullptr},
    {kIdWindowCascade, Glyph::kCascade, 0xff1f5fa8, nullptr},
    {kIdWindowTileHorizontal, Glyph::kTileAbove, 0xff1f5fa8, nullptr},
    {kIdWindowTileVertical, Glyph::kTileBeside, 0xff1f5fa8, nullptr},
    {kIdWebHomePage, Glyph::kGlobe, 0xff2a7ab8, nullptr},
    {kIdWebCancerStatistics, Glyph::kChart, 0xff2a7ab8, nullptr},
    {kIdWebCancerRegistration, Glyph::kBook, 0xff2e7d32, nullptr},
    {57636, Glyph::kFind, 0xff404040, nullptr},  // the class library's Find
    {kIdToolsCheck, Glyph::kTick, 0xff2e7d32, nullptr},
    {kIdToolsMultiplePrimary, Glyph::kPair, 0xffc65f00, nullptr},
    {kIdFileTransfer, Glyph::kTransfer, 0xff2e7d32, nullptr},
    {32771, Glyph::kCard, kIcd9, "9"},
    {32772, Glyph::kCard, kIcd9, "9+"},
    {32773, Glyph::kCard, kIcd10, "10"},
    {32774, Glyph::kCard, kIcd10, "10+"},
    {32775, Glyph::kCard, kIcdO1, "O1"},
    {32776, Glyph::kCard, kIcdO1, "FT"},
    {32777, Glyph::kCard, kIcdO2, "O2"},
    {32778, Glyph::kCard, kIcdO2, "O2"},
    {32779, Glyph::kCard, kIcdO2, "O2"},
    {32780, Glyph::kCard, kIcdO3, "O3"},
    {32781, Glyph::kCard, kIcdO3, "O3"},
    {32782, Glyph::kCard, kIcdO3, "O3"},
    {kIdWebIcdO3, Glyph::kCard, kIcdO3, "O3"},
    {kIdWebIcd10, Glyph::kCard, kIcd10, "10"},
};

constexpr ImageRecipe kPlainCard{0, Glyph::kCard, 0xff808080, ""};

const ImageRecipe& RecipeFor(int command) {
  for (const ImageRecipe& recipe : kRecipes)
    if (recipe.command == command) return recipe;
  return kPlainCard;
}

// A sheet of paper with a folded corner, inside `r`.
void Page(QPainter& p, const QRectF& r, bool lines) {
  const qreal fold = r.width() / 3;
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
  p.setBrush(Qt::white);
  p.drawPath(path);
  if (!lines) return;
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
  for (qreal y = r.top() + fold + 1.5; y < r.bottom() - 1; y += 2.5)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

// A window with a coloured caption, inside `r`.
void Window(QPainter& p, const QRectF& r, const QColor& colour) {
  p.setPen(QPen(colour.darker(130), 1));
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), qMax<qreal>(2.5, r.height() / 4)));
}

// Bold white text in the middle of `box`, its height a share of the image's
// height `h`. A text wider than the box is set smaller until it fits, so
// that a label never runs past its card.
void WhiteLabel(QPainter& p, const QRectF& box, qreal h, qreal share, const QString& text) {
  QFont font = p.font();
  font.setBold(true);
  for (int pixels = static_cast<int>(h * share); pixels >= 1; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).boundingRect(text).width() <= box.width()) break;
  }
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(box, Qt::AlignCenter, text);
}

void DrawGlyph(QPainter& p, const ImageRecipe& recipe, qreal w, qreal h) {
  const QColor colour = QColor::fromRgba(recipe.colour);
  const QColor outline = colour.darker(150);
  switch (recipe.glyph) {
    case Glyph::kFolder: {
      p.setPen(QPen(outline, 1));
      p.setBrush(colour.darker(115));
      p.drawRect(QRectF(1.5, 2.5, w * 0.4, 2));
      p.drawRect(QRectF(1.5, 4.5, w - 4, h - 7));
      QPolygonF front;
      front << QPointF(1.5, h - 2.5) << QPointF(4.5, 7.5) << QPointF(w - 0.5, 7.5)
            << QPointF(w - 3.5, h - 2.5);
      p.setBrush(colour);
      p.drawPolygon(front);
      break;
    }
    case Glyph::kDisk: {
      p.setPen(QPen(outline, 1));
      p.setBrush(colour);
      p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 1.5, w - 9, h * 0.4));
      p.setBrush(QColor(0xc0, 0xc0, 0xc0));
      p.drawRect(QRectF(4.5, h * 0.62, w - 9, h * 0.38 - 1.5));
      break;
    }
    case Glyph::kScissors: {
      p.setPen(QPen(colour, 1.4));
      p.drawLine(QPointF(w * 0.3, 1), QPointF(w * 0.62, h * 0.68));
      p.drawLine(QPointF(w * 0.7, 1), QPointF(w * 0.38, h * 0.68));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(0xc0, 0x30, 0x30), 1.4));
      p.drawEllipse(QPointF(w * 0.3, h - 3.5), 2.5, 2.5);
      p.drawEllipse(QPointF(w * 0.7, h - 3.5), 2.5, 2.5);
      break;
    }
    case Glyph::kCopy:
      Page(p, QRectF(0.5, 0.5, w * 0.6, h * 0.7), true);
      Page(p, QRectF(w * 0.4 - 0.5, h * 0.3 - 0.5, w * 0.6, h * 0.7), true);
      break;
    case Glyph::kPaste: {
      p.setPen(QPen(outline, 1));
      p.setBrush(colour);
      p.drawRect(QRectF(1.5, 2.5, w * 0.65, h - 4));
      p.setBrush(QColor(0xd0, 0xd0, 0xd0));
      p.drawRect(QRectF(w * 0.2, 0.5, w * 0.3, 3));
      Page(p, QRectF(w * 0.45 - 0.5, h * 0.4 - 0.5, w * 0.55, h * 0.6), true);
      break;
    }
    case Glyph::kPrinter: {
      p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 0.5, w - 9, h * 0.45));
      p.setBrush(colour.lighter(140));
      p.drawRect(QRectF(0.5, h * 0.4, w - 1, h * 0.4));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(3.5, h * 0.7, w - 7, h * 0.3 - 0.5));
      break;
    }
    case Glyph::kQuestion:
      p.setPen(QPen(outline, 1));
      p.setBrush(colour);
      p.drawEllipse(QRectF(0.5, 0.5, w - 1, h - 1));
      WhiteLabel(p, QRectF(0, 0, w, h), h, 0.8, QStringLiteral("?"));
      break;
    case Glyph::kBook: {
      p.setPen(QPen(outline, 1));
      p.setBrush(colour);
      p.drawRect(QRectF(2.5, 0.5, w - 5, h - 1));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(w - 4.5, 1.5, 2, h - 3));
      p.setPen(QPen(Qt::white, 1));
      p.drawLine(QPointF(5, h * 0.35), QPointF(w - 7, h * 0.35));
      p.drawLine(QPointF(5, h * 0.55), QPointF(w - 7, h * 0.55));
      break;
    }
    case Glyph::kCascade:
      Window(p, QRectF(0.5, 0.5, w * 0.65, h * 0.6), colour);
      Window(p, QRectF(w * 0.35 - 0.5, h * 0.4 - 0.5, w * 0.65, h * 0.6), colour);
      break;
    case Glyph::kTileAbove:
      Window(p, QRectF(0.5, 0.5, w - 1, h / 2 - 1), colour);
      Window(p, QRectF(0.5, h / 2 + 0.5, w - 1, h / 2 - 1), colour);
      break;
    case Glyph::kTileBeside:
      Window(p, QRectF(0.5, 0.5, w / 2 - 1, h - 1), colour);
      Window(p, QRectF(w / 2 + 0.5, 0.5, w / 2 - 1, h - 1), colour);
      break;
    case Glyph::kGlobe: {
      const QRectF ball(0.5, 0.5, w - 1, h - 1);
      p.setPen(QPen(outline, 1));
      p.setBrush(colour);
      p.drawEllipse(ball);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(0xd8, 0xe8, 0xf8), 1));
      p.drawEllipse(QRectF(w * 0.3, 0.5, w * 0.4, h - 1));
      p.drawLine(QPointF(1, h / 2), QPointF(w - 1, h / 2));
      break;
    }
    case Glyph::kChart: {
      p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
      p.drawLine(QPointF(0.5, h - 0.5), QPointF(w - 0.5, h - 0.5));
      p.setBrush(colour);
      const qreal bar = (w - 2) / 4;
      const qreal heights[] = {0.4, 0.75, 0.55, 0.95};
      for (int i = 0; i < 4; ++i)
        p.drawRect(
            QRectF(1.5 + i * bar, h - 1 - (h - 2) * heights[i], bar - 1, (h - 2) * heights[i]));
      break;
    }
    case Glyph::kFind: {
      p.setPen(QPen(colour, 2));
      p.drawLine(QPointF(w * 0.6, h * 0.6), QPointF(w - 1, h - 1));
      p.setPen(QPen(colour, 1.2));
      p.setBrush(QColor(0xd8, 0xe8, 0xf8));
      p.drawEllipse(QRectF(1, 1, w * 0.6, h * 0.6));
      break;
    }
    case Glyph::kTick: {
      Page(p, QRectF(1.5, 0.5, w * 0.7, h - 1), true);
      p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF{QPointF(w * 0.35, h * 0.6), QPointF(w * 0.55, h * 0.85),
                               QPointF(w - 1.5, h * 0.2)});
      break;
    }
    case Glyph::kPair: {
      p.setPen(QPen(outline, 1));
      p.setBrush(colour.lighter(150));
      p.drawRect(QRectF(0.5, 0.5, w * 0.6, h * 0.6));
      p.setBrush(colour);
      p.drawRect(QRectF(w * 0.4 - 0.5, h * 0.4 - 0.5, w * 0.6, h * 0.6));
      break;
    }
    case Glyph::kTransfer: {
      Page(p, QRectF(0.5, 0.5, w * 0.6, h - 1), true);
      p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QPointF(w * 0.35, h / 2), QPointF(w - 1.5, h / 2));
      p.drawPolyline(QPolygonF{QPointF(w - 4.5, h / 2 - 3), QPointF(w - 1.5, h / 2),
                               QPointF(w - 4.5, h / 2 + 3)});
      break;
    }
    case Glyph::kCard:
      p.setPen(QPen(outline, 1));
      p.setBrush(colour);
      p.drawRoundedRect(QRectF(0.5, 1.5, w - 1, h - 3), 2, 2);
      // Inside the outline with a pixel to spare on each side.
      WhiteLabel(p, QRectF(2, 0, w - 4, h), h, 0.55, QString::fromLatin1(recipe.label));
      break;
  }
}

}  // namespace

QPixmap ToolBarImage(int command, QSize size) {
  QPixmap image(size);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawGlyph(painter, RecipeFor(command), size.width(), size.height());
  return image;
}

}  // namespace kelvarin
