// Form1: builds the controls under their names, lays them out in two rows above
// the template field, and runs conversions on the window thread.
#include "glyphcast/gui/font_window.h"

#include "glyphcast/core/converter.h"
#include "glyphcast/core/memory_font.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/core/template_text.h"
#include "glyphcast/gui/capture_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace glyphcast {

namespace {

const QString kDoneStatus = QStringLiteral("Font is on the clipboard!");

QLineEdit* makeField(QWidget* parent, const char* name, const QString& text, int width) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QLatin1String(name));
  field->setFixedWidth(width);
  return field;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(QLatin1String(name));
  return check;
}

}  // namespace

FontWindow::FontWindow(panetools::WindowHooks hooks, QWidget* parent)
    : QWidget(parent), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("glyphcast"));
  buildControls();
  layOut();
  resize(1000, 1040);
}

FontWindow::~FontWindow() = default;

void FontWindow::buildControls() {
  const Fields start;
  text3_ = makeField(this, "Text3", start.fontName, 150);
  text4_ = makeField(this, "Text4", start.size, 40);
  command2_ = new QPushButton(QStringLiteral("Convert"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  label1_ = makeLabel(this, "Label1", QString());
  label1_->setMinimumWidth(220);
  label1_->setWordWrap(true);
  // Two lines at all times, so that a message that wraps moves no other control;
  // the tooltip holds all of a longer one.
  label1_->setFixedHeight(2 * label1_->fontMetrics().lineSpacing());
  label2_ = makeLabel(this, "Label2", QStringLiteral("Width Bias:"));
  text11_ = makeField(this, "Text11", start.widthBias, 36);
  text5_ = makeField(this, "Text5", start.heightBias, 36);
  label3_ = makeLabel(this, "Label3", QStringLiteral("Loc Bias:"));
  text6_ = makeField(this, "Text6", start.locX, 36);
  text12_ = makeField(this, "Text12", start.locY, 36);
  check1_ = makeCheck(this, "Check1", QStringLiteral("Bold"));
  check2_ = makeCheck(this, "Check2", QStringLiteral("Itlalics"));
  label4_ = makeLabel(this, "Label4", QStringLiteral("Underline:"));
  uline_ = makeField(this, "ULine", start.underline, 40);

  text2_ = new QPlainTextEdit(this);
  text2_->setObjectName(QStringLiteral("Text2"));
  text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text2_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text2_->setTabStopDistance(text2_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4);
  QString templ = defaultTemplate();
  templ.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text2_->setPlainText(templ);
  text2_->installEventFilter(this);

  picture1_ = new CaptureView(box_.image(), text2_);
  picture1_->setObjectName(QStringLiteral("Picture1"));

  unicode_ = makeCheck(this, "UnicodeCheck", QStringLiteral("Unicode"));
  unicode_->setToolTip(QStringLiteral(
      "A Unicode font (const PaneFont) for setUnicodeFont in place of the font table"));
  bitsPerPixel_ = new QComboBox(this);
  bitsPerPixel_->setObjectName(QStringLiteral("BppCombo"));
  bitsPerPixel_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
  bitsPerPixel_->setToolTip(
      QStringLiteral("Bits per pixel of a Unicode font: 1 draws unsmoothed ink, 2 and 4 the "
                     "smoothed coverage of each pixel"));
  ranges_ = makeField(this, "RangesText", QString(), 200);
  ranges_->setPlaceholderText(QStringLiteral("0x20-0x7E,0x3040-0x30FF"));
  symbolsFile_ = makeField(this, "SymbolsFile", QString(), 200);
  symbolsFile_->setPlaceholderText(QStringLiteral("UTF-8 text file"));

  sample_ = makeField(this, "SampleText", defaultSample(), 520);
  sample_->setToolTip(
      QStringLiteral("[A] [B] [X] [Y] [LEFT] [UP] [DOWN] [RIGHT] [SELECT] [START] [L] [R] [^] [v] "
                     "draw the button glyphs; *word* is highlighted"));
  preview1x_ = makeLabel(this, "Preview1x", QString());
  preview1x_->setFixedSize(kPreviewWidth, kPreviewHeight);
  preview1x_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  preview1x_->setWordWrap(true);
  preview2x_ = makeLabel(this, "Preview2x", QString());
  preview2x_->setFixedSize(kPreviewWidth * 2, kPreviewHeight * 2);
  previewBackground_ =
      makeField(this, "PreviewBackground",
                QLatin1String("0x") +
                    QString::number(kPreviewBackground, 16).rightJustified(4, u'0').toUpper(),
                70);
  previewBackground_->setToolTip(
      QStringLiteral("The preview's screen colour, RGB15 (0 to 32767, hex or decimal); smooth "
                     "glyphs blend with it"));
  connect(sample_, &QLineEdit::textChanged, this, [this] { updatePreview(); });
  connect(previewBackground_, &QLineEdit::textChanged, this, [this] { updatePreview(); });

  connect(command2_, &QPushButton::clicked, this, [this] { convert(); });
  for (QLineEdit* field : {text3_, text4_, text5_})
    connect(field, &QLineEdit::textChanged, label1_, [this] {
      label1_->clear();
      label1_->setToolTip(QString());
    });
}

void FontWindow::layOut() {
  auto* firstRow = new QHBoxLayout;
  firstRow->addWidget(text3_);
  firstRow->addWidget(text4_);
  firstRow->addWidget(command2_);
  firstRow->addWidget(label1_, 1);
  firstRow->addWidget(label2_);
  firstRow->addWidget(text11_);
  firstRow->addWidget(text5_);
  firstRow->addSpacing(12);
  firstRow->addWidget(label3_);
  firstRow->addWidget(text6_);
  firstRow->addWidget(text12_);

  auto* secondRow = new QHBoxLayout;
  secondRow->addWidget(check1_);
  secondRow->addWidget(check2_);
  secondRow->addSpacing(12);
  secondRow->addWidget(unicode_);
  secondRow->addWidget(new QLabel(QStringLiteral("Bits:"), this));
  secondRow->addWidget(bitsPerPixel_);
  secondRow->addWidget(new QLabel(QStringLiteral("Ranges:"), this));
  secondRow->addWidget(ranges_);
  secondRow->addWidget(new QLabel(QStringLiteral("Symbols file:"), this));
  secondRow->addWidget(symbolsFile_);
  secondRow->addStretch(1);
  secondRow->addWidget(label4_);
  secondRow->addWidget(uline_);

  auto* previewText = new QHBoxLayout;
  previewText->addWidget(new QLabel(QStringLiteral("Preview:"), this));
  previewText->addWidget(sample_);
  previewText->addWidget(new QLabel(QStringLiteral("Background:"), this));
  previewText->addWidget(previewBackground_);
  previewText->addStretch(1);

  auto* previews = new QHBoxLayout;
  previews->addWidget(preview1x_, 0, Qt::AlignTop);
  previews->addWidget(preview2x_, 0, Qt::AlignTop);
  previews->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->addLayout(firstRow);
  column->addLayout(secondRow);
  column->addWidget(text2_, 1);
  column->addLayout(previewText);
  column->addLayout(previews);
}

// The capture box sits over the upper part of the template field, left of centre.
void FontWindow::placeCaptureBox() {
  const int x = qMax(8, text2_->width() / 3 - picture1_->width() / 2);
  picture1_->move(x, 8);
  picture1_->raise();
}

bool FontWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text2_ && event->type() == QEvent::Resize) placeCaptureBox();
  return QWidget::eventFilter(watched, event);
}

Fields FontWindow::fields() const {
  Fields fields;
  fields.fontName = text3_->text();
  fields.size = text4_->text();
  fields.widthBias = text11_->text();
  fields.heightBias = text5_->text();
  fields.locX = text6_->text();
  fields.locY = text12_->text();
  fields.underline = uline_->text();
  fields.bold = check1_->checkState() == Qt::Checked;
  fields.italic = check2_->checkState() == Qt::Checked;
  return fields;
}

QString FontWindow::templateText() const {
  // The raw text keeps non-breaking spaces; paragraph breaks become line ends.
  QString text = text2_->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

bool FontWindow::pumpEvents() {
  picture1_->update();
  QCoreApplication::processEvents();
  return !stopRequested_;
}

void FontWindow::showProgress(int glyph, int count) {
  label1_->setText(QStringLiteral("glyph %1 of %2").arg(glyph).arg(count));
}

void FontWindow::updatePreview() {
  const std::optional<std::uint16_t> background = parseRgb15(previewBackground_->text().trimmed());
  if (!background && (unicodePreview_ || previewFont_)) {
    preview1x_->setPixmap(QPixmap());
    preview2x_->setPixmap(QPixmap());
    preview1x_->setText(QStringLiteral(
        "No preview: the background is an RGB15 value, 0 to 32767, hex or decimal."));
    return;
  }
  if (unicodePreview_) {
    QString problem;
    const QImage picture =
        renderUnicodePreview(*unicodePreview_, sample_->text(), &problem, *background);
    if (!picture.isNull()) {
      preview1x_->setPixmap(QPixmap::fromImage(picture));
      preview2x_->setPixmap(QPixmap::fromImage(scaledPreview(picture, 2)));
      return;
    }
    previewProblem_ = QStringLiteral("No preview: ") + problem + QLatin1Char('.');
  }
  if (!previewFont_) {
    preview1x_->setPixmap(QPixmap());
    preview2x_->setPixmap(QPixmap());
    preview1x_->setText(previewProblem_);
    return;
  }
  const QImage picture = renderPreview(previewFont_->table(), sample_->text(), *background);
  preview1x_->setPixmap(QPixmap::fromImage(picture));
  preview2x_->setPixmap(QPixmap::fromImage(scaledPreview(picture, 2)));
}

void FontWindow::showStatus(const QString& status) {
  label1_->setText(status);
  label1_->setToolTip(status);
}

bool FontWindow::readCodePoints(UnicodeRequest* request, QString* problem) const {
  const QString ranges = ranges_->text().trimmed();
  if (!ranges.isEmpty() && !addRanges(ranges, &request->codePoints, problem)) return false;
  const QString path = symbolsFile_->text().trimmed();
  if (!path.isEmpty()) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      *problem =
          QStringLiteral("cannot read the symbols file %1: %2").arg(path, file.errorString());
      return false;
    }
    const QByteArray bytes = file.read(kMaxSymbolsBytes + 1);
    if (bytes.size() > kMaxSymbolsBytes) {
      *problem = QStringLiteral("the symbols file %1 is larger than 64 MB").arg(path);
      return false;
    }
    QString fault;
    if (!addSymbols(bytes, &request->codePoints, &fault)) {
      *problem = QStringLiteral("the symbols file %1 %2").arg(path, fault);
      return false;
    }
  }
  request->codePointsGiven = !ranges.isEmpty() || !path.isEmpty();
  return true;
}

void FontWindow::convertUnicode() {
  UnicodeRequest request;
  QString problem;
  if (!readCodePoints(&request, &problem)) {
    problem[0] = problem[0].toUpper();
    showStatus(problem + QLatin1Char('.'));
    return;
  }
  const Fields start = fields();
  request.faces.push_back({start.fontName, QString(), QByteArray()});
  request.bitsPerPixel = bitsPerPixel_->currentText().toInt();
  request.yield = [this] { return pumpEvents(); };
  request.progress = [this](int glyph, int count) { showProgress(glyph, count); };
  converting_ = true;
  stopRequested_ = false;
  command2_->setEnabled(false);
  const UnicodeConversion result = convertUnicodeFont(box_, start, request);
  converting_ = false;
  command2_->setEnabled(true);
  picture1_->update();
  if (!result.ok) {
    showStatus(result.note.isEmpty() ? result.message
                                     : result.note + QLatin1Char(' ') + result.message);
    return;
  }
  hooks_.setClipboard(unicodeSourceText(result.font, result.name, result.about));
  unicodePreview_ = std::make_unique<UnicodeFont>(result.font);
  QString status = kDoneStatus + QLatin1Char(' ') + unicodeReport(result) + QLatin1Char('.');
  QString missing = missingWarning(result);
  if (!missing.isEmpty()) missing[0] = missing[0].toUpper();
  for (const QString& said : {result.note, result.warning, missing}) {
    if (!said.isEmpty()) status += QLatin1Char(' ') + said;
  }
  showStatus(status);
}

void FontWindow::convert() {
  if (converting_) return;
  // Nothing of the last font stays on show while another is made.
  previewFont_.reset();
  unicodePreview_.reset();
  previewProblem_.clear();
  if (unicode_->isChecked()) {
    updatePreview();
    convertUnicode();
    updatePreview();
    if (closeAfterRun_) close();
    return;
  }
  converting_ = true;
  stopRequested_ = false;
  command2_->setEnabled(false);
  updatePreview();

  ConvertSource source;
  source.fields = [this] { return fields(); };
  source.templateText = [this] { return templateText(); };
  source.yield = [this] { return pumpEvents(); };
  source.progress = [this](int glyph, int count) { showProgress(glyph, count); };
  const Conversion result = convertFont(box_, source);

  converting_ = false;
  command2_->setEnabled(true);
  picture1_->update();
  if (result.ok) {
    hooks_.setClipboard(result.text);
    QString status = kDoneStatus;
    for (const QString& said : {result.note, result.warning}) {
      if (!said.isEmpty()) status += QLatin1Char(' ') + said;
    }
    label1_->setText(status);
    label1_->setToolTip(status);
    QString problem;
    previewFont_ = MemoryFont::build(result, &problem);
    if (!previewFont_)
      previewProblem_ = QStringLiteral("No preview: ") + problem + QLatin1Char('.');
  } else {
    label1_->setText(result.message);
    label1_->setToolTip(result.message);
  }
  updatePreview();
  if (closeAfterRun_) close();
}

void FontWindow::closeEvent(QCloseEvent* event) {
  if (!converting_) {
    event->accept();
    return;
  }
  // The run is on the call stack below the event pump: stop it, close after it returns.
  stopRequested_ = true;
  closeAfterRun_ = true;
  event->ignore();
}

}  // namespace glyphcast
