// Picture1: shows the capture box's image as the glyphs are drawn into it.
#pragma once

#include <QImage>
#include <QWidget>

namespace glyphcast {

class CaptureView : public QWidget {
 public:
  CaptureView(const QImage& image, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& image_;
};

}  // namespace glyphcast
