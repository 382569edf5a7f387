// Test pictures for pixport: generated in the test, saved as BMP or PNG where a
// file is needed, and helpers that run conversions and read their text back.
#pragma once

#include "core/picture.h"
#include "core/settings.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace pixport::test {

// The 8-bit channel value that converts to the 5-bit value five (0 to 31).
int channelFor(int five);

// A picture whose pixel (x, y) converts to codedValue(x, y); x and y below 32.
QImage codedPicture(int width, int height);
constexpr int codedValue(int x, int y) { return x + 32 * y; }

// The coded values of the top-left width x height area in straight-across
// order or in 8x8 tiles, one list per line of output; positions beyond the
// picture (pictureWidth x pictureHeight) read white.
QList<QList<int>> rowsOf(int width, int height, int pictureWidth, int pictureHeight);
QList<QList<int>> tilesOf(int width, int height, int pictureWidth, int pictureHeight);

// The values of array text, one list per line; the header line, if any, is skipped.
QList<QList<int>> valuesByLine(const QByteArray& arrayText);
QList<QByteArray> linesOf(const QByteArray& arrayText);

// Saves image under dir as name (format from the suffix) and returns the path.
QString savePicture(const QImage& image, const QString& dir, const QString& name);

Settings fixedSettings(SizeOption size, bool tileOrder, bool binFile = false);
Settings customSettings(int width, int height, bool header, bool binFile = false);

// Runs a conversion into array text.
QByteArray arrayText(const Picture& picture, const Settings& settings);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// Little-endian 16-bit words of a BIN file.
QList<int> wordsOf(const QByteArray& bytes);

}  // namespace pixport::test
