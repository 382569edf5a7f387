// The pixel walks and the conversion sequence shared by the window and the command line.
#include "core/conversion.h"

#include "core/colour.h"

namespace pixport {

namespace {

constexpr qint32 kTileSide = 8;

// Reports the percentage for (x, y) when it differs from the last one reported.
class Progress {
 public:
  Progress(const ConversionHooks& hooks, const Settings& s)
      : m_report(hooks.progress), m_width(qint64(s.w1) + 1), m_height(qint64(s.h1) + 1) {}

  void at(qint32 x, qint32 y) {
    if (!m_report) return;
    const int percent = progressPercent(x, y, m_width, m_height);
    if (percent != m_last) {
      m_last = percent;
      m_report(percent);
    }
  }

 private:
  const std::function<void(int)>& m_report;
  qint64 m_width;
  qint64 m_height;
  int m_last = -1;
};

bool pump(const ConversionHooks& hooks) { return !hooks.pump || hooks.pump(); }

bool walkStraightAcross(const Picture& picture, const Settings& s, OutputWriter& out,
                        const ConversionHooks& hooks) {
  Progress progress(hooks, s);
  for (qint32 y = 0; y <= s.h1; ++y) {
    for (qint32 x = 0; x <= s.w1; ++x) {
      progress.at(x, y);
      out.value(pixelValue(picture, x, y, s.transparent));
    }
    out.lineEnd();
    if (out.failed() || !pump(hooks)) return false;
  }
  return true;
}

bool walkTiles(const Picture& picture, const Settings& s, OutputWriter& out,
               const ConversionHooks& hooks) {
  Progress progress(hooks, s);
  for (qint32 y = 0; y <= s.h1; y += kTileSide) {
    for (qint32 x = 0; x <= s.w1; x += kTileSide) {
      progress.at(x, y);
      out.appendText(ConvertBlock(x, y, picture, kTileSide, kTileSide, out, s.transparent));
      out.lineEnd();
    }
    if (out.failed() || !pump(hooks)) return false;
  }
  return true;
}

}  // namespace

int progressPercent(qint64 x, qint64 y, qint64 width, qint64 height) {
  return static_cast<int>(100 * (y * width + x) / (width * height));
}

quint16 pixelValue(const Picture& picture, qint32 x, qint32 y, qint32 transparent) {
  if (transparent >= 0 && picture.alphaAt(x, y) < 128) return static_cast<quint16>(transparent);
  return toRgb15(picture.desktopColourAt(x, y));
}

QByteArray ConvertBlock(qint32 x, qint32 y, const Picture& picture, qint32 rowCount,
                        qint32 columnCount, OutputWriter& out, qint32 transparent) {
  QByteArray piece;
  for (qint32 row = y; row < y + rowCount; ++row) {
    for (qint32 column = x; column < x + columnCount; ++column) {
      const quint16 v = pixelValue(picture, column, row, transparent);
      if (out.isArrayText())
        appendValueText(&piece, v);
      else
        out.value(v);
    }
  }
  return piece;
}

Outcome convert(const Picture& picture, const Settings& settings, OutputWriter& out,
                const ConversionHooks& hooks, QString* error) {
  if (!out.start(error)) return Outcome::Failed;
  if (settings.sizeHeader) out.sizeHeader(settings.w1, settings.h1);
  const bool walked = settings.tileOrder ? walkTiles(picture, settings, out, hooks)
                                         : walkStraightAcross(picture, settings, out, hooks);
  if (!walked) {
    const bool failed = out.failed();
    if (failed) *error = out.failure();
    out.cancel();
    return failed ? Outcome::Failed : Outcome::Abandoned;
  }
  return out.finish(error) ? Outcome::Done : Outcome::Failed;
}

}  // namespace pixport
