// Paints the capture box image at its own size, one screen pixel per image pixel.
#include "glyphcast/gui/capture_view.h"

#include <QPainter>

namespace glyphcast {

CaptureView::CaptureView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setFixedSize(image.size());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace glyphcast
