#include "window_shell/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace window_shell {

namespace {

const QColor kBlue(0x1d, 0x4f, 0x9a);
const QColor kLightBlue(0xdd, 0xe8, 0xf6);
const QColor kGreen(0x1f, 0x8a, 0x3b);

QPixmap Canvas(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QPixmap InvoiceSheetPicture() {
  QPixmap pixmap = Canvas(200, 140);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  // A second sheet behind the first, then the sheet with its corner folded down.
  p.setPen(QPen(kBlue, 1.5));
  p.setBrush(kLightBlue);
  p.drawRect(QRectF(62, 14, 96, 120));
  QPainterPath sheet;
  sheet.moveTo(48, 6);
  sheet.lineTo(126, 6);
  sheet.lineTo(146, 26);
  sheet.lineTo(146, 128);
  sheet.lineTo(48, 128);
  sheet.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  QPainterPath fold;
  fold.moveTo(126, 6);
  fold.lineTo(126, 26);
  fold.lineTo(146, 26);
  p.setBrush(kLightBlue);
  p.drawPath(fold);

  // Header bar, text lines, a small table and the total.
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawRect(QRectF(56, 14, 50, 8));
  p.setBrush(QColor(0x9a, 0xa8, 0xbb));
  for (int i = 0; i < 3; ++i) p.drawRect(QRectF(56, 32 + i * 8, i == 2 ? 50 : 80, 3));
  p.setPen(QPen(QColor(0x9a, 0xa8, 0xbb), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(56, 62, 82, 40));
  for (int i = 1; i < 4; ++i) p.drawLine(QLineF(56, 62 + i * 10, 138, 62 + i * 10));
  p.drawLine(QLineF(104, 62, 104, 102));
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawRect(QRectF(104, 110, 34, 8));
  return pixmap;
}

QPixmap SealPicture() {
  QPixmap pixmap = Canvas(120, 120);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  // A scalloped rim, an inner ring and a check mark.
  QPainterPath rim;
  const QPointF centre(60, 60);
  constexpr int kPoints = 24;
  for (int i = 0; i <= kPoints * 2; ++i) {
    const double radius = i % 2 ? 50 : 56;
    const QPointF point = centre + QPointF(radius * std::cos(i * std::numbers::pi / kPoints),
                                           radius * std::sin(i * std::numbers::pi / kPoints));
    i == 0 ? rim.moveTo(point) : rim.lineTo(point);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawPath(rim);
  p.setBrush(Qt::white);
  p.drawEllipse(centre, 40, 40);
  p.setPen(QPen(kGreen, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 34, 34);
  p.setPen(QPen(kBlue, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath check;
  check.moveTo(42, 62);
  check.lineTo(55, 75);
  check.lineTo(80, 46);
  p.drawPath(check);
  return pixmap;
}

}  // namespace window_shell
