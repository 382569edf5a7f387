// Preview through libpane on the host platform: fb_init, fb_dispString into the
// back buffer, fb_swapBuffers, then hostRenderScreens for the picture.
#include "glyphcast/core/preview.h"

#include "glyphcast/core/codepage.h"
#include "glyphcast/core/unicode_font.h"

#include <libpane.h>
#include <nds/host.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <vector>

namespace glyphcast {

namespace {

struct ButtonName {
  const char* name;
  char code;
};

// The template's button glyphs by the slot that holds them.
const ButtonName kButtons[] = {{"[A]", 1},       {"[B]", 2},      {"[X]", 3},     {"[Y]", 4},
                               {"[LEFT]", 5},    {"[UP]", 6},     {"[DOWN]", 14}, {"[RIGHT]", 15},
                               {"[SELECT]", 16}, {"[START]", 17}, {"[L]", 18},    {"[R]", 19},
                               {"[^]", 20},      {"[v]", 21}};

constexpr uint16 kTextColour = 0xFFFF;  // white: glyphs keep their own greys
constexpr uint16 kHighlight = 0x8000 | 2 << 10 | 10 << 5 | 20;  // amber
constexpr int kMargin = 8;

// The code page's inverse: the signs of 0x80-0x9F by search, Latin-1 elsewhere.
char windows1252(QChar c) {
  for (int code = 0x80; code <= 0x9F; ++code) {
    if (unicodeFromWindows1252(code) == c) return static_cast<char>(code);
  }
  const ushort u = c.unicode();
  return u < 0x80 || (u >= 0xA0 && u <= 0xFF) ? static_cast<char>(u) : '?';
}

void resetTextSettings() {
  setBold(false);
  setItalics(false);
  setUnderline(false);
  setStrikeThrough(false);
  drawNormal();
  setWrapNormal();
  clearCallBack();
  setTwoPasEnabled(false);
  hideCursor();
  clearHighlight();
}

}  // namespace

QString defaultSample() {
  return QStringLiteral(
      "Press [A] to *jump* and [L] [R] to turn. \u00c9t\u00e9 \u00e0 la plage: 5 \u20ac! [SELECT] "
      "[START]");
}

SampleText parseSample(const QString& sample) {
  SampleText text;
  for (int i = 0; i < sample.size();) {
    if (sample[i] == QLatin1Char('*') && text.highlightEnd < 0) {
      if (text.highlightStart < 0)
        text.highlightStart = static_cast<int>(text.bytes.size());
      else
        text.highlightEnd = static_cast<int>(text.bytes.size());
      ++i;
      continue;
    }
    bool button = false;
    for (const ButtonName& b : kButtons) {
      const QLatin1String name(b.name);
      if (sample.mid(i, name.size()) == name) {
        text.bytes.append(b.code);
        i += static_cast<int>(name.size());
        button = true;
        break;
      }
    }
    if (!button) {
      const char code = windows1252(sample[i]);
      // Control codes steer the layout; a typed one is drawn as "?".
      text.bytes.append(static_cast<unsigned char>(code) < 32 ? '?' : code);
      ++i;
    }
  }
  if (text.highlightEnd < 0) text.highlightStart = -1;
  return text;
}

SampleText parseUnicodeSample(const QString& sample) {
  SampleText text;
  for (int i = 0; i < sample.size();) {
    if (sample[i] == QLatin1Char('*') && text.highlightEnd < 0) {
      (text.highlightStart < 0 ? text.highlightStart : text.highlightEnd) =
          static_cast<int>(text.bytes.size());
      ++i;
      continue;
    }
    char32_t point = 0;
    int length = 0;
    for (size_t b = 0; b < std::size(kButtons) && length == 0; ++b) {
      const QLatin1String name(kButtons[b].name);
      if (sample.mid(i, name.size()) == name) {
        point = 0xE000 + static_cast<char32_t>(b);
        length = static_cast<int>(name.size());
      }
    }
    if (length == 0) {
      const bool pair =
          sample[i].isHighSurrogate() && i + 1 < sample.size() && sample[i + 1].isLowSurrogate();
      point = pair ? QChar::surrogateToUcs4(sample[i], sample[i + 1]) : sample[i].unicode();
      length = pair ? 2 : 1;
      // Control codes steer the layout and a lone surrogate is no character: "?".
      if (point < 32 || QChar::isSurrogate(point)) point = '?';
    }
    text.bytes += QString::fromUcs4(&point, 1).toUtf8();
    i += length;
  }
  if (text.highlightEnd < 0) text.highlightStart = -1;
  return text;
}

namespace {

// Draws text with the font that setCurrentFont makes current.
QImage drawSample(const SampleText& text, uint16 background,
                  const std::function<void()>& setCurrentFont) {
  QByteArray string = text.bytes;
  string.append('\0');  // dispString writes wrap marks into it, then restores it

  hostReset();
  fb_init();
  fb_setBGColor(static_cast<uint16>(0x8000 | background));
  fb_swapBuffers();  // both pages start from the background colour
  fb_swapBuffers();
  resetTextSettings();
  setCurrentFont();
  setColor(kTextColour);
  setHighlightColor(kHighlight);
  if (text.highlightStart >= 0) setHighlight(text.highlightStart, text.highlightEnd);
  fb_setClipping(kMargin, kMargin, HOST_SCREEN_WIDTH - 1 - kMargin,
                 HOST_SCREEN_HEIGHT - 1 - kMargin);
  fb_enableClipping();
  fb_dispString(kMargin, kMargin, string.data());
  fb_swapBuffers();
  resetTextSettings();

  std::vector<uint32_t> rgba(static_cast<size_t>(HOST_SCREEN_WIDTH) * HOST_SCREENS_HEIGHT);
  hostRenderScreens(rgba.data());
  QImage screen(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
  for (int y = 0; y < kPreviewHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
    for (int x = 0; x < kPreviewWidth; ++x) {
      const uint32_t p = rgba[static_cast<size_t>(y) * HOST_SCREEN_WIDTH + x];
      line[x] = qRgb(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF);
    }
  }
  return screen;
}

}  // namespace

std::optional<std::uint16_t> parseRgb15(const QString& text) {
  const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
  const QString digits = hex ? text.mid(2) : text;
  // toUInt alone would take spaces and signs.
  for (QChar c : digits) {
    const char l = c.toLatin1();
    const bool letter = hex && (l | 0x20) >= 'a' && (l | 0x20) <= 'f';
    if (!letter && (l < '0' || l > '9')) return std::nullopt;
  }
  bool ok = false;
  const uint value = digits.size() <= 5 ? digits.toUInt(&ok, hex ? 16 : 10) : 0;
  if (!ok || value > 0x7FFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

QImage renderPreview(std::uint16_t** table, const QString& sample, std::uint16_t background) {
  return drawSample(parseSample(sample), background, [table] { setFont(table); });
}

QImage renderUnicodePreview(const UnicodeFont& font, const QString& sample, QString* problem,
                            std::uint16_t background) {
  const QByteArray bytes = binaryFontBytes(font);
  // The loader reads the file in place and wants it on a 4-byte boundary. The
  // library keeps the font by pointer after the drawing: the last one previewed
  // stays alive here until the next.
  static std::vector<uint32_t> aligned;
  static PaneFont loaded;
  aligned.assign((static_cast<size_t>(bytes.size()) + 3) / 4, 0);
  std::memcpy(aligned.data(), bytes.constData(), static_cast<size_t>(bytes.size()));
  const int error = paneFontFromMemory(aligned.data(), static_cast<size_t>(bytes.size()), &loaded);
  if (error != PANE_FONT_OK) {
    *problem = QStringLiteral("the library does not load the font (error %1)").arg(error);
    return QImage();
  }
  return drawSample(parseUnicodeSample(sample), background, [] { setUnicodeFont(&loaded); });
}

QImage scaledPreview(const QImage& preview, int factor) {
  return preview.scaled(preview.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace glyphcast
