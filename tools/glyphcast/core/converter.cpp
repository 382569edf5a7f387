// The conversion run over a capture box, with the checks that keep its output
// a well-formed font source.
#include "glyphcast/core/converter.h"

#include "glyphcast/core/array_text.h"
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/numbers.h"

#include <cmath>
#include <optional>

namespace glyphcast {

namespace {

constexpr double kMaxPosition = 32767.0;
constexpr int kMaxPixelSize = 1000;

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

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

private:
    std::optional<GlyphSettings> readGlyphSettings(const Fields& fields);
    std::optional<double> readNumber(const QString& what, const QString& text);
    std::optional<int> readPosition(const QString& what, const QString& text);
    bool checkStart(const Fields& fields);
    bool checkText(const QString& what, const QString& text);
    bool setFont(const Fields& fields);
    enum class Side { Width, Height };
    // The header value W or H: columns or rows less one, 0 to kMaxGlyphSide - 1.
    std::optional<int> glyphSide(Side side, double sum, int code, const Fields& fields);
    std::optional<QString> captureGlyph(const QString& prefix, int code);
    Conversion refuse(const QString& message);

    CaptureBox& box_;
    const ConvertSource& source_;
    QString message_;
    QString note_;
};

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
    if (!value)
        return std::nullopt;
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
    std::optional<double> wb = y ? readNumber(QStringLiteral("Width bias"), fields.widthBias) : std::nullopt;
    std::optional<double> hb = wb ? readNumber(QStringLiteral("Height bias"), fields.heightBias) : std::nullopt;
    if (!hb)
        return std::nullopt;
    settings.x = *x;
    settings.y = *y;
    settings.widthBias = *wb;
    settings.heightBias = *hb;
    return settings;
}

bool Run::checkText(const QString& what, const QString& text) {
    if (!hasLineBreak(text))
        return true;
    message_ = what + QLatin1String(" must not contain a line break.");
    return false;
}

bool Run::checkStart(const Fields& fields) {
    if (fields.fontName.trimmed().isEmpty()) {
        message_ = QStringLiteral("Type the name of an installed font.");
        return false;
    }
    return checkText(QStringLiteral("The font name"), fields.fontName)
        && checkText(QStringLiteral("The underline"), fields.underline)
        && readGlyphSettings(fields).has_value();
}

bool Run::setFont(const Fields& fields) {
    std::optional<double> points = readNumber(QStringLiteral("Size"), fields.size);
    if (!points)
        return false;
    const float single = static_cast<float>(*points);
    const double pixels = roundHalfEven(single * 96 / 72.0);
    if (pixels < 1 || pixels > kMaxPixelSize) {
        message_ = QStringLiteral("Size %1 is outside the sizes the converter draws (1 to %2 pixels).")
                       .arg(fields.size)
                       .arg(kMaxPixelSize);
        return false;
    }
    CaptureFont font;
    font.family = fields.fontName;
    font.points = single;
    font.bold = fields.bold;
    font.italic = fields.italic;
    font.smooth = source_.smooth;
    const FontMatch match = box_.setFont(font);
    if (!match.answered) {
        message_ = QStringLiteral("No installed font is named %1 (it would be drawn with %2).")
                       .arg(quoted(fields.fontName), match.familyUsed);
        return false;
    }
    if (match.familyUsed.compare(fields.fontName, Qt::CaseInsensitive) != 0)
        note_ = QStringLiteral("%1 is drawn with %2.").arg(fields.fontName, match.familyUsed);
    return true;
}

std::optional<int> Run::glyphSide(Side side, double sum, int code, const Fields& fields) {
    const bool wide = side == Side::Width;
    const QString bias = wide ? fields.widthBias : fields.heightBias;
    const double pixels = roundHalfEven(sum) + 1;
    if (pixels < 1) {
        message_ = QStringLiteral("%1 bias %2 leaves code %3 less than one pixel %4.")
                       .arg(wide ? QStringLiteral("Width") : QStringLiteral("Height"), bias)
                       .arg(code)
                       .arg(wide ? QStringLiteral("wide") : QStringLiteral("tall"));
        return std::nullopt;
    }
    if (pixels > kMaxGlyphSide) {
        message_ = QStringLiteral("Code %1 would be %2 pixels %3 (size %4, %5 bias %6); a glyph is at most %7.")
                       .arg(code)
                       .arg(pixels)
                       .arg(wide ? QStringLiteral("wide") : QStringLiteral("tall"), fields.size,
                            wide ? QStringLiteral("width") : QStringLiteral("height"), bias)
                       .arg(kMaxGlyphSide);
        return std::nullopt;
    }
    return static_cast<int>(pixels) - 1;
}

std::optional<QString> Run::captureGlyph(const QString& prefix, int code) {
    const Fields fields = source_.fields();
    std::optional<GlyphSettings> settings = readGlyphSettings(fields);
    if (!settings)
        return std::nullopt;
    box_.clear();
    box_.drawChar(settings->x, settings->y, code);
    std::optional<int> w = glyphSide(Side::Width, settings->widthBias + box_.textWidth(code), code, fields);
    std::optional<int> h =
        w ? glyphSide(Side::Height, settings->heightBias + box_.textHeight(code), code, fields) : std::nullopt;
    if (!h)
        return std::nullopt;
    std::optional<QString> body = glyphBody(box_, *w, *h, source_.yield);
    if (!body) {
        message_ = stoppedMessage();
        return std::nullopt;
    }
    return glyphDeclaration(glyphArrayName(prefix, code)) + *body + kCrLf + kCrLf;
}

Conversion Run::execute() {
    const Fields start = source_.fields();
    if (!checkStart(start) || !setFont(start))
        return refuse(message_);
    const QString prefix = fontPrefix(start.fontName, start.size);
    QString text = commentBlock(start);
    for (int code : captureCodes()) {
        std::optional<QString> glyph = captureGlyph(prefix, code);
        if (!glyph)
            return refuse(message_);
        text += *glyph;
    }
    text += toCrLf(source_.templateText());
    const Fields end = source_.fields();
    if (!checkText(QStringLiteral("The underline"), end.underline))
        return refuse(message_);
    Conversion result;
    result.ok = true;
    result.text = replacePlaceholders(text, prefix, fontTableName(end.fontName, end.size), end.underline);
    result.note = note_;
    return result;
}

}  // namespace

Conversion convertFont(CaptureBox& box, const ConvertSource& source) {
    return Run(box, source).execute();
}

Conversion convertFont(CaptureBox& box, const Fields& fields, const QString& templateText, bool smooth) {
    ConvertSource source;
    source.fields = [&fields] { return fields; };
    source.templateText = [&templateText] { return templateText; };
    source.smooth = smooth;
    return Run(box, source).execute();
}

QString stoppedMessage() {
    return QStringLiteral("The conversion was stopped.");
}

}  // namespace glyphcast
