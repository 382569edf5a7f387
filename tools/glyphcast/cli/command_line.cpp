// Runs one conversion with fixed settings and writes its text; nothing is written
// when the conversion is refused.
#include "glyphcast/cli/command_line.h"

#include "glyphcast/core/converter.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/template_text.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace glyphcast {

void reportError(QIODevice& err, const QString& message) {
    err.write((QLatin1String("glyphcast: ") + message + QLatin1Char('\n')).toUtf8());
}

bool CommandLine::readTemplate(QString* text, QIODevice& err) const {
    if (templateFile_.isEmpty()) {
        *text = defaultTemplate();
        return true;
    }
    QFile file(templateFile_);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(err, QStringLiteral("cannot read the template %1: %2").arg(templateFile_, file.errorString()));
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    *text = decoder(file.readAll());
    if (decoder.hasError()) {
        reportError(err, QStringLiteral("the template %1 is not UTF-8 text").arg(templateFile_));
        return false;
    }
    return true;
}

int CommandLine::run(QIODevice& out, QIODevice& err) const {
    QString templateText;
    if (!readTemplate(&templateText, err))
        return kExitRefused;
    ImageCaptureBox box;
    const Conversion result = convertFont(box, fields_, templateText, smooth_);
    if (!result.ok) {
        reportError(err, result.message);
        return kExitRefused;
    }
    if (!result.note.isEmpty())
        reportError(err, result.note);

    const QByteArray bytes = result.text.toUtf8();
    if (outputFile_.isEmpty()) {
        if (out.write(bytes) != bytes.size()) {
            reportError(err, QStringLiteral("cannot write the output: %1").arg(out.errorString()));
            return kExitWriteFailed;
        }
        return kExitSuccess;
    }
    QSaveFile file(outputFile_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reportError(err, QStringLiteral("cannot write %1: %2").arg(outputFile_, file.errorString()));
        return kExitWriteFailed;
    }
    return kExitSuccess;
}

}  // namespace glyphcast
