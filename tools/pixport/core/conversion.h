// The conversion: the walk over the top-left W x H pixels in straight-across or
// 8x8 sprite order, feeding the output writer and reporting progress.
#pragma once

#include "core/output_writer.h"
#include "core/picture.h"
#include "core/settings.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace pixport {

struct ConversionHooks {
  // Called with the progress percentage whenever it changes; may be empty.
  std::function<void(int percent)> progress;
  // Called after each row (straight-across) or band of tiles (8x8 sprites);
  // returning false abandons the conversion. May be empty.
  std::function<bool()> pump;
};

enum class Outcome { Done, Failed, Abandoned };

// floor(100 * (y * W + x) / (W * H)): the share of the W x H area before (x, y).
int progressPercent(qint64 x, qint64 y, qint64 width, qint64 height);

// Converts the rowCount x columnCount block whose top-left pixel is (x, y), row by
// row. For array text returns the block's values, each followed by ", "; for a
// BIN file writes the values through out and returns empty text.
// transparent: the value of pixels with alpha below half, or -1 (shown over white).
QByteArray ConvertBlock(qint32 x, qint32 y, const Picture& picture, qint32 rowCount,
                        qint32 columnCount, OutputWriter& out, qint32 transparent = -1);

// The RGB15 value of pixel (x, y): its colour shown over white, or transparent
// (when not -1) for a pixel with alpha below half.
quint16 pixelValue(const Picture& picture, qint32 x, qint32 y, qint32 transparent);

// Runs a whole conversion into out: start, size header, walk, finish. On
// Failed (the output could not be written), *error says why; the walk stops at
// the row or band after the first failed write. On Failed or Abandoned a file
// target is left as it was.
Outcome convert(const Picture& picture, const Settings& settings, OutputWriter& out,
                const ConversionHooks& hooks, QString* error);

}  // namespace pixport
