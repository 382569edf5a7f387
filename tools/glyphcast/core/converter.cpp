// The conversion run over a capture box, with the checks that keep its output
// a well-formed font source and the warnings of what the settings cut.
#include "glyphcast/core/converter.h"

#include "glyphcast/core/array_text.h"
#include "glyphcast/core/codepage.h"
#include "glyphcast/core/cut_ink.h"
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/numbers.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace glyphcast {

namespace {

constexpr double kMaxPosition = 32767.0;
constexpr int kMaxPixelSize = 1000;

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

bool hasLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Per-glyph numbers: the drawing position and the two biases.
struct GlyphSettings {
  int x = 0;
  int y = 0;
  double widthBias = 0;
  double heightBias = 0;
};

class Run {
 public:
  Run(CaptureBox& box, const ConvertSource& source) : box_(box), source_(source) {}

  Conversion execute();
  bool start(GlyphPlacement* placement, QString* message, QString* note);

 private:
  std::optional<GlyphSettings> readGlyphSettings(const Fields& fields);
  std::optional<double> readNumber(const QString& what, const QString& text);
  std::optional<int> readPosition(const QString& what, const QString& text);
  bool checkStart(const Fields& fields);
  bool checkText(const QString& what, const QString& text);
  bool checkUnderline(const QString& text);
  bool checkNames(const Fields& fields, bool tableOnly);
  bool setFont(const Fields& fields);
  enum class Side { Width, Height };
  // The header value W or H: columns or rows less one, so that the glyph lies
  // inside the capture box.
  std::optional<int> glyphSide(Side side, double sum, int code, const Fields& fields);
  bool checkFixedSize(const FontMatch& match, const Fields& fields, double pixels);
  bool checkCoverage(const Fields& fields);
  bool cutsInk(const GlyphSettings& settings, int code, int w, int h);
  std::optional<CapturedGlyph> captureGlyph(int code);
  QString prefixFor(const Fields& fields) const;
  QString tableNameFor(const Fields& fields) const;
  Conversion refuse(const QString& message);

  CaptureBox& box_;
  const ConvertSource& source_;
  QString message_;
  QString note_;
  QList<int> cut_;  // characters whose ink lies outside their glyph
};

void addNote(QString* notes, const QString& note) {
  if (!notes->isEmpty()) *notes += QLatin1Char(' ');
  *notes += note;
}

Conversion Run::refuse(const QString& message) {
  Conversion result;
  result.message = message;
  return result;
}

std::optional<double> Run::readNumber(const QString& what, const QString& text) {
  std::optional<double> value = parseDecimal(text);
  if (!value)
    message_ = what + QLatin1Char(' ') + quoted(text) + QLatin1String(" is not a number.");
  return value;
}

std::optional<int> Run::readPosition(const QString& what, const QString& text) {
  std::optional<double> value = readNumber(what, text);
  if (!value) return std::nullopt;
  const double rounded = roundHalfEven(*value);
  if (std::fabs(rounded) > kMaxPosition) {
    message_ = what + QLatin1Char(' ') + text + QLatin1String(" is outside -32767 to 32767.");
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}

std::optional<GlyphSettings> Run::readGlyphSettings(const Fields& fields) {
  GlyphSettings settings;
  std::optional<int> x = readPosition(QStringLiteral("Loc bias x"), fields.locX);
  std::optional<int> y = x ? readPosition(QStringLiteral("Loc bias y"), fields.locY) : std::nullopt;
  std::optional<double> wb =
      y ? readNumber(QStringLiteral("Width bias"), fields.widthBias) : std::nullopt;
  std::optional<double> hb =
      wb ? readNumber(QStringLiteral("Height bias"), fields.heightBias) : std::nullopt;
  if (!hb) return std::nullopt;
  settings.x = *x;
  settings.y = *y;
  settings.widthBias = *wb;
  settings.heightBias = *hb;
  return settings;
}

bool Run::checkText(const QString& what, const QString& text) {
  if (!hasLineBreak(text)) return true;
  message_ = what + QLatin1String(" must not contain a line break.");
  return false;
}

// The underline text becomes the one value of a uint16 array: it must be a
// number the array can hold, written so that C reads it as that number.
bool Run::checkUnderline(const QString& text) {
  bool digitsOnly = !text.isEmpty() && text.size() <= 5;
  for (QChar c : text) digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
  const bool octal = text.size() > 1 && text[0] == QLatin1Char('0');
  if (digitsOnly && !octal && text.toInt() <= 65535) return true;
  message_ =
      QStringLiteral("The underline %1 is not a whole number from 0 to 65535.").arg(quoted(text));
  return false;
}

QString Run::prefixFor(const Fields& fields) const {
  return source_.options.name.isEmpty() ? fontPrefix(fields.fontName, fields.size)
                                        : source_.options.name;
}

QString Run::tableNameFor(const Fields& fields) const {
  return source_.options.name.isEmpty() ? fontTableName(fields.fontName, fields.size)
                                        : source_.options.name;
}

// Names made from the fields go into the source as typed: refuse those that C
// would not read as one identifier, naming the field that breaks them.
bool Run::checkNames(const Fields& fields, bool tableOnly) {
  if (!source_.options.name.isEmpty()) {
    const QString problem = cNameProblem(source_.options.name);
    if (problem.isEmpty()) return true;
    message_ = QStringLiteral("The name %1 %2.").arg(quoted(source_.options.name), problem);
    return false;
  }
  // The size goes into every name, the font name into the table's: blame the size
  // when it alone cannot be part of an identifier.
  const bool sizeBreaks = !isCIdentifier(QLatin1String("f") + fields.size);
  const QString field = sizeBreaks ? QStringLiteral("Size %1").arg(quoted(fields.size))
                                   : QStringLiteral("Font name %1").arg(quoted(fields.fontName));
  const QString prefix = fontPrefix(fields.fontName, fields.size);
  const QString table = fontTableName(fields.fontName, fields.size);
  if (!tableOnly && !isCIdentifier(prefix + QLatin1String("_A032"))) {
    message_ = QStringLiteral("%1 gives array names such as %2_A032, which C does not accept.")
                   .arg(field, prefix);
    return false;
  }
  if (!isCIdentifier(table)) {
    message_ =
        QStringLiteral("%1 gives the table name %2, which C does not accept.").arg(field, table);
    return false;
  }
  return true;
}

bool Run::checkStart(const Fields& fields) {
  if (fields.fontName.trimmed().isEmpty()) {
    message_ = QStringLiteral("Type the name of an installed font.");
    return false;
  }
  return checkText(QStringLiteral("The font name"), fields.fontName) &&
         checkText(QStringLiteral("The size"), fields.size) && checkUnderline(fields.underline) &&
         readGlyphSettings(fields).has_value();
}

bool Run::setFont(const Fields& fields) {
  std::optional<double> points = readNumber(QStringLiteral("Size"), fields.size);
  if (!points) return false;
  const float single = static_cast<float>(*points);
  const double pixels = roundHalfEven(single * 96 / 72.0);
  if (pixels < 1 || pixels > kMaxPixelSize) {
    message_ =
        QStringLiteral("Size %1 is outside the sizes the converter draws (0.5 to %2 points).")
            .arg(fields.size)
            .arg(kMaxPixelSize * 72 / 96);
    return false;
  }
  CaptureFont font;
  font.family = source_.options.drawFamily.isEmpty() ? fields.fontName : source_.options.drawFamily;
  font.points = single;
  font.bold = fields.bold;
  font.italic = fields.italic;
  font.smooth = source_.options.smooth;
  font.fileData = source_.options.fileData;
  font.ownGlyphsOnly = source_.options.ownGlyphsOnly;
  const FontMatch match = box_.setFont(font);
  if (!match.fromFile) {
    message_ =
        QStringLiteral("An installed font named %1 draws in place of the font file's own face.")
            .arg(quoted(fields.fontName));
    return false;
  }
  if (!match.answered) {
    message_ = QStringLiteral("No installed font is named %1 (it would be drawn with %2).")
                   .arg(quoted(fields.fontName), match.familyUsed);
    return false;
  }
  if (match.familyUsed.compare(fields.fontName, Qt::CaseInsensitive) != 0) {
    if (source_.options.exact) {
      message_ = QStringLiteral(
                     "No installed font is named %1; %2 answers for it, and only the family "
                     "named is accepted.")
                     .arg(quoted(fields.fontName), match.familyUsed);
      return false;
    }
    addNote(&note_, QStringLiteral("%1 is drawn with %2.").arg(fields.fontName, match.familyUsed));
  }
  return checkFixedSize(match, fields, pixels);
}

// A bitmap face draws at the sizes it holds whatever size is asked: say so, as
// the size's text still names the arrays.
bool Run::checkFixedSize(const FontMatch& match, const Fields& fields, double pixels) {
  if (match.fixedPoints.isEmpty() || match.fixedPixels == pixels) return true;
  QStringList sizes;
  for (double points : match.fixedPoints) sizes << QString::number(points);
  const QString text = QStringLiteral(
                           "%1 is a bitmap font: size %2 is drawn at %3 points (%4 pixels); "
                           "its sizes are %5 points.")
                           .arg(fields.fontName, fields.size)
                           .arg(match.fixedPixels * 72 / 96.0)
                           .arg(match.fixedPixels)
                           .arg(sizes.join(QLatin1String(", ")));
  if (source_.options.exact) {
    message_ = text + QStringLiteral(" Only the size asked is accepted.");
    return false;
  }
  addNote(&note_, text);
  return true;
}

// Characters the font lacks take the replacement glyph's drawing, as the library
// draws a character without a glyph; with exact settings they are refused.
bool Run::checkCoverage(const Fields& fields) {
  QList<int> missing;
  for (int code : captureCodes()) {
    if (!box_.hasChar(code)) missing << code;
  }
  if (missing.isEmpty()) return true;
  const QString text =
      QStringLiteral("%1 has no glyph for %2 %3")
          .arg(fields.fontName,
               missing.size() == 1 ? QStringLiteral("character") : QStringLiteral("characters"),
               codeList(missing));
  if (source_.options.exact) {
    message_ = text + QStringLiteral("; only the font's own glyphs are accepted.");
    return false;
  }
  addNote(&note_, text + QStringLiteral(": each is drawn as code 63, '?'."));
  return true;
}

std::optional<int> Run::glyphSide(Side side, double sum, int code, const Fields& fields) {
  const bool wide = side == Side::Width;
  const QString bias = wide ? fields.widthBias : fields.heightBias;
  const int boxSide = wide ? CaptureBox::kWidth : CaptureBox::kHeight;
  const double pixels = roundHalfEven(sum) + 1;
  if (pixels < 1) {
    message_ = QStringLiteral("%1 bias %2 leaves %3 less than one pixel %4.")
                   .arg(wide ? QStringLiteral("Width") : QStringLiteral("Height"), bias)
                   .arg(codeName(code))
                   .arg(wide ? QStringLiteral("wide") : QStringLiteral("tall"));
    return std::nullopt;
  }
  if (pixels > boxSide) {
    message_ =
        QStringLiteral(
            "The glyph of %1 would be %2 pixels %3 (size %4, %5 bias %6); the capture box is %7.")
            .arg(codeName(code))
            .arg(pixels)
            .arg(wide ? QStringLiteral("wide") : QStringLiteral("tall"), fields.size,
                 wide ? QStringLiteral("width") : QStringLiteral("height"), bias)
            .arg(boxSide);
    return std::nullopt;
  }
  return static_cast<int>(pixels) - 1;
}

// The glyph reads the box's columns 0 to w and rows 0 to h; the character's ink
// outside them is cut.
bool Run::cutsInk(const GlyphSettings& settings, int code, int w, int h) {
  return box_.inkOutside(code, -settings.x, -settings.y, w - settings.x, h - settings.y);
}

std::optional<CapturedGlyph> Run::captureGlyph(int code) {
  const Fields fields = source_.fields();
  std::optional<GlyphSettings> settings = readGlyphSettings(fields);
  if (!settings) return std::nullopt;
  // A character the font lacks is measured and drawn as the replacement glyph.
  const int drawn = box_.hasChar(code) ? code : '?';
  std::optional<int> w =
      glyphSide(Side::Width, settings->widthBias + box_.textWidth(drawn), code, fields);
  std::optional<int> h =
      w ? glyphSide(Side::Height, settings->heightBias + box_.textHeight(drawn), code, fields)
        : std::nullopt;
  if (!h) return std::nullopt;
  if (cutsInk(*settings, drawn, *w, *h)) cut_ << code;
  box_.clear();
  box_.drawChar(settings->x, settings->y, drawn);
  std::optional<std::vector<std::uint16_t>> pixels = capturePixels(box_, *w, *h, source_.yield);
  if (!pixels) {
    message_ = stoppedMessage();
    return std::nullopt;
  }
  CapturedGlyph glyph;
  glyph.code = code;
  glyph.w = *w;
  glyph.h = *h;
  glyph.pixels = std::move(*pixels);
  return glyph;
}

bool hasInk(const std::vector<CapturedGlyph>& glyphs) {
  for (const CapturedGlyph& glyph : glyphs) {
    for (std::uint16_t pixel : glyph.pixels) {
      if (pixel != 0) return true;
    }
  }
  return false;
}

Conversion Run::execute() {
  const Fields start = source_.fields();
  if (!checkStart(start) || !setFont(start) || !checkNames(start, false) || !checkCoverage(start))
    return refuse(message_);
  const QString prefix = prefixFor(start);
  const bool named = !source_.options.name.isEmpty();
  QString text = commentBlock(start, named ? Includes::Libpane : Includes::Nds);
  std::vector<CapturedGlyph> glyphs;
  const std::vector<int>& codes = captureCodes();
  glyphs.reserve(codes.size());
  for (size_t i = 0; i < codes.size(); ++i) {
    if (source_.progress) source_.progress(static_cast<int>(i) + 1, static_cast<int>(codes.size()));
    std::optional<CapturedGlyph> glyph = captureGlyph(codes[i]);
    if (!glyph) return refuse(message_);
    text += glyphDeclaration(glyphArrayName(prefix, glyph->code)) +
            glyphBodyText(glyph->w, glyph->h, glyph->pixels) + kCrLf + kCrLf;
    glyphs.push_back(std::move(*glyph));
  }
  if (!hasInk(glyphs))
    return refuse(QStringLiteral("Every glyph is blank: nothing was drawn inside the glyph boxes "
                                 "(loc bias %1, %2).")
                      .arg(start.locX, start.locY));
  const QString templ = toCrLf(source_.templateText());
  text += templ;
  const Fields end = source_.fields();
  if (!checkText(QStringLiteral("The font name"), end.fontName) ||
      !checkText(QStringLiteral("The size"), end.size) || !checkUnderline(end.underline) ||
      !checkNames(end, true))
    return refuse(message_);
  Conversion result;
  result.ok = true;
  result.tableName = tableNameFor(end);
  result.text = replacePlaceholders(text, prefix, result.tableName, end.underline);
  // No placeholder spans the line end before the template, so filling the
  // template alone gives the text's own ending.
  result.templatePart = replacePlaceholders(templ, prefix, result.tableName, end.underline);
  result.note = note_;
  if (!cut_.isEmpty())
    result.warning = cutInkWarning(QStringLiteral("boxes"), static_cast<int>(cut_.size()),
                                   QStringLiteral("character"), QStringLiteral("characters"), start,
                                   codeList(cut_));
  result.glyphs = std::move(glyphs);
  result.prefix = prefix;
  result.fields = end;
  return result;
}

bool Run::start(GlyphPlacement* placement, QString* message, QString* note) {
  const Fields fields = source_.fields();
  std::optional<GlyphSettings> settings;
  if (checkStart(fields) && setFont(fields)) settings = readGlyphSettings(fields);
  if (!note_.isEmpty()) addNote(note, note_);
  if (!settings) {
    *message = message_;
    return false;
  }
  *placement = {settings->x, settings->y, settings->widthBias, settings->heightBias};
  return true;
}

}  // namespace

bool startCapture(CaptureBox& box, const Fields& fields, const ConvertOptions& options,
                  GlyphPlacement* placement, QString* message, QString* note) {
  ConvertSource source;
  source.fields = [&fields] { return fields; };
  source.options = options;
  return Run(box, source).start(placement, message, note);
}

Conversion convertFont(CaptureBox& box, const ConvertSource& source) {
  return Run(box, source).execute();
}

Conversion convertFont(CaptureBox& box, const Fields& fields, const QString& templateText,
                       const ConvertOptions& options) {
  ConvertSource source;
  source.fields = [&fields] { return fields; };
  source.templateText = [&templateText] { return templateText; };
  source.options = options;
  return Run(box, source).execute();
}

Conversion convertFont(CaptureBox& box, const Fields& fields, const QString& templateText,
                       bool smooth) {
  ConvertOptions options;
  options.smooth = smooth;
  return convertFont(box, fields, templateText, options);
}

QString stoppedMessage() { return QStringLiteral("The conversion was stopped."); }

}  // namespace glyphcast
