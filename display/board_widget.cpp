// The board's persistent surface: drawing goes to an off-screen picture that the paint event
// only shows. Drawing and painting run on the one event thread, so a paint never meets a
// half-drawn board.
#include "display/board_widget.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>

namespace kestalon {

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Board"));
  setAccessibleName(tr("Board"));
  setAccessibleDescription(
      tr("The tiles of the game; click two free matching tiles to remove them"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
}

void BoardWidget::SetBoardSize(QSize size) {
  setFixedSize(size);
}

void BoardWidget::Cls() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (surface_.size() != pixels || surface_.devicePixelRatio() != ratio) {
    surface_ = QPixmap(pixels);
    surface_.setDevicePixelRatio(ratio);
  }
  surface_.fill(kBoardGreen);
}

void BoardWidget::Refresh() {
  update();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (surface_.isNull()) {
    painter.fillRect(event->rect(), kBoardGreen);
    return;
  }
  painter.drawPixmap(0, 0, surface_);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit Pressed(event->button(), static_cast<int>(std::floor(at.x())),
               static_cast<int>(std::floor(at.y())));
}

}  // namespace kestalon
