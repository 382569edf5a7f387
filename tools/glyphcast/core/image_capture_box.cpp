// QImage capture box: draws one character at a time and reads pixels back.
#include "glyphcast/core/image_capture_box.h"

#include "glyphcast/core/codepage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace glyphcast {

namespace {

// A family name no font has: the family Qt falls back to for it is the one it
// uses for any name that nothing installed answers to.
const QString kNoSuchFamily = QStringLiteral("glyphcast no such family 7f3e");

QString charText(int code) {
    return QString(unicodeFromWindows1252(code));
}

bool isInstalledFamily(const QString& name) {
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (withoutFoundry(family).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace

QString withoutFoundry(const QString& family) {
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QString name = family;
    name.remove(foundry);
    return name;
}

QFont qtFontFor(const CaptureFont& font) {
    QFont qfont;
    qfont.setFamily(font.family);
    qfont.setPixelSize(qRound(font.points * 96 / 72.0));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setHintingPreference(QFont::PreferFullHinting);
    qfont.setStyleStrategy(font.smooth ? QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias)
                                       : QFont::NoAntialias);
    return qfont;
}

FontMatch matchFont(const QFont& font) {
    FontMatch match;
    // Qt names a family that several foundries have as "Family [Foundry]".
    match.familyUsed = withoutFoundry(QFontInfo(font).family());
    const QString asked = withoutFoundry(font.family());
    if (match.familyUsed.compare(asked, Qt::CaseInsensitive) == 0 || isInstalledFamily(asked))
        return match;
    QFont probe = font;
    probe.setFamily(kNoSuchFamily);
    // A fontconfig alias (Arial answered by a metric-compatible family) resolves to
    // something other than the general fallback.
    match.answered = withoutFoundry(QFontInfo(probe).family()) != match.familyUsed;
    return match;
}

ImageCaptureBox::ImageCaptureBox() : image_(kWidth, kHeight, QImage::Format_RGB32) {
    clear();
}

FontMatch ImageCaptureBox::setFont(const CaptureFont& font) {
    font_ = qtFontFor(font);
    return matchFont(font_);
}

void ImageCaptureBox::clear() {
    image_.fill(Qt::black);
}

void ImageCaptureBox::drawChar(int x, int y, int code) {
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    // GDI places the cell's top-left corner at the position; Qt takes the baseline.
    painter.drawText(QPoint(x, y + QFontMetrics(font_, &image_).ascent()), charText(code));
}

double ImageCaptureBox::textWidth(int code) const {
    return QFontMetrics(font_, &image_).horizontalAdvance(charText(code));
}

double ImageCaptureBox::textHeight(int) const {
    return QFontMetrics(font_, &image_).height();
}

std::int32_t ImageCaptureBox::pixel(int x, int y) const {
    if (!image_.valid(x, y))
        return -1;
    const QRgb rgb = image_.pixel(x, y);
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

}  // namespace glyphcast
