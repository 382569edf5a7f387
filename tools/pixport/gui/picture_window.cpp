// The picture window (Form1): the controls, their start states and option rules, loading, and the
// conversion run with a progress label and the clipboard hand-over.
#include "gui/picture_window.h"

#include "core/conversion.h"
#include "common/files.h"
#include "core/output_writer.h"
#include "core/run_files.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pixport {

namespace {

const QString kLoadTitle = QStringLiteral("Load Graphic . . .");
const QString kLoadFilters = QStringLiteral(
    "Bitmap Files (*.bmp)|*.bmp|JPEG Files (*.jpg)|*.jpg|"
    "All Formats (*.bmp, *.jpg)|*.bmp;*.jpg|All Files|*.*");
// The outline of the area a conversion reads, drawn over the preview.
const QColor kOutline(255, 0, 255);
constexpr int kLargestOutline = 4096;  // the preview shows no more of a larger area
const QString kSaveTitle = QStringLiteral("Save Bin . . .");
const QString kSaveFilters = QStringLiteral("Bin Files (*.bin)|*.bin");
// The most array text the clipboard is given: as much as palsqueeze reads.
constexpr std::size_t kClipboardLimit = panetools::kInputLimit;

template <typename T>
T* named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QButtonGroup* exclusiveGroup(QObject* owner, std::initializer_list<QRadioButton*> options) {
  auto* group = new QButtonGroup(owner);
  for (QRadioButton* option : options) group->addButton(option);
  return group;
}

}  // namespace

PictureWindow::PictureWindow(panetools::WindowHooks hooks, QWidget* parent)
    : QWidget(parent), m_hooks(std::move(hooks)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("pixport"));
  buildControls();
  layOutControls();
  connectControls();
}

void PictureWindow::buildControls() {
  // Picture1 shows the picture from its top-left corner on white, the colour
  // that positions beyond the picture convert to.
  m_picture1 = named(new QLabel, "Picture1");
  m_picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_picture1->setFrameShape(QFrame::StyledPanel);
  m_picture1->setMinimumSize(256, 192);
  m_picture1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  m_picture1->setAutoFillBackground(true);
  QPalette white = m_picture1->palette();
  white.setColor(QPalette::Window, Qt::white);
  m_picture1->setPalette(white);

  m_picture2 = named(new QLabel(this), "Picture2");  // the picture at its own size, not shown
  m_picture2->hide();

  m_command1 = named(new QPushButton(QStringLiteral("Load")), "Command1");
  m_command2 = named(new QPushButton(QStringLiteral("Convert")), "Command2");
  m_option1 = named(new QRadioButton(QStringLiteral("32x32")), "Option1");
  m_option2 = named(new QRadioButton(QStringLiteral("16x16")), "Option2");
  m_option3 = named(new QRadioButton(QStringLiteral("8x8")), "Option3");
  m_option9 = named(new QRadioButton(QStringLiteral("Custom")), "Option9");
  m_text1 = named(new QLineEdit, "Text1");
  m_label2 = named(new QLabel(QStringLiteral("x")), "Label2");
  m_text2 = named(new QLineEdit, "Text2");
  m_frame1 = named(new QGroupBox(QStringLiteral("Byte Ordering")), "Frame1");
  m_option4 = named(new QRadioButton(QStringLiteral("Straight Across")), "Option4");
  m_option5 = named(new QRadioButton(QStringLiteral("8x8 Sprites")), "Option5");
  m_frame2 = named(new QGroupBox(QStringLiteral("Output")), "Frame2");
  m_option7 = named(new QRadioButton(QStringLiteral("Include Array")), "Option7");
  m_option8 = named(new QRadioButton(QStringLiteral("BIN File")), "Option8");
  m_check2 = named(new QCheckBox(QStringLiteral("Include Initial Size Bytes")), "Check2");
  m_label1 = named(new QLabel, "Label1");
  m_label3 = named(new QLabel, "Label3");  // where the last output went
  m_label3->setWordWrap(true);

  exclusiveGroup(this, {m_option1, m_option2, m_option3, m_option9});
  exclusiveGroup(this, {m_option4, m_option5});
  exclusiveGroup(this, {m_option7, m_option8});
  m_option2->setChecked(true);
  m_option5->setChecked(true);
  m_option7->setChecked(true);

  for (QLineEdit* field : {m_text1, m_text2}) field->setMaximumWidth(60);
  m_label1->setMinimumWidth(60);
}

void PictureWindow::layOutControls() {
  auto* custom = new QHBoxLayout;
  custom->addWidget(m_option9);
  custom->addWidget(m_text1);
  custom->addWidget(m_label2);
  custom->addWidget(m_text2);
  custom->addStretch();

  auto* order = new QVBoxLayout(m_frame1);
  order->addWidget(m_option4);
  order->addWidget(m_option5);
  auto* output = new QVBoxLayout(m_frame2);
  output->addWidget(m_option7);
  output->addWidget(m_option8);

  auto* convertRow = new QHBoxLayout;
  convertRow->addWidget(m_command2);
  convertRow->addWidget(m_label1, 1);

  auto* controls = new QVBoxLayout;
  controls->addWidget(m_command1);
  controls->addWidget(m_option1);
  controls->addWidget(m_option2);
  controls->addWidget(m_option3);
  controls->addLayout(custom);
  controls->addWidget(m_frame1);
  controls->addWidget(m_frame2);
  controls->addWidget(m_check2);
  controls->addStretch();
  controls->addLayout(convertRow);
  controls->addWidget(m_label3);

  auto* window = new QHBoxLayout(this);
  window->addWidget(m_picture1, 1);
  window->addLayout(controls);
  resize(560, 340);
}

void PictureWindow::connectControls() {
  connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(m_option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(m_option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
  connect(m_option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
  connect(m_option9, &QRadioButton::clicked, this, [this] { Option9_Click(); });
  for (QRadioButton* size : {m_option1, m_option2, m_option3, m_option9})
    connect(size, &QRadioButton::toggled, this, [this] { updatePreview(); });
  for (QLineEdit* field : {m_text1, m_text2})
    connect(field, &QLineEdit::textChanged, this, [this] { updatePreview(); });
}

void PictureWindow::Option1_Click() { m_option5->setEnabled(true); }

void PictureWindow::Option2_Click() { m_option5->setEnabled(true); }

void PictureWindow::Option3_Click() { m_option5->setEnabled(true); }

// The custom size may not be a multiple of 8, so it converts straight across,
// by default as a whole sprite record (size header included) in array text.
void PictureWindow::Option9_Click() {
  m_option4->setChecked(true);
  m_option7->setChecked(true);
  m_check2->setChecked(true);
  m_option5->setEnabled(false);
}

void PictureWindow::Command1_Click() {
  const QString path = m_hooks.openFile(this, kLoadTitle, loadFilters());
  if (path.isEmpty()) return;  // cancelled: the current picture stays
  Picture loaded;
  QString error;
  if (loadPicture(path, &loaded, &error)) {
    m_picturePath = path;
    showPicture(loaded);
    return;
  }
  // The previous picture stays; the fields show its size again.
  refreshSizeFields();
  setProgress(QString());
  setStatus(QStringLiteral("Not loaded: the previous picture stays."));
  m_hooks.warn(this, windowTitle(), error);
}

void PictureWindow::showPicture(const Picture& picture) {
  m_picture = picture;
  const QPixmap pixmap = QPixmap::fromImage(picture.image());
  m_picture2->setPixmap(pixmap);
  m_picture2->adjustSize();
  refreshSizeFields();
  setProgress(QString());
  setStatus(QString());
  updatePreview();
}

// Picture1: the picture on white with the right and bottom edges of the area a
// conversion reads drawn just outside it; no outline while the size is refused.
void PictureWindow::updatePreview() {
  if (m_picture.isNull()) return;
  Settings settings;
  QString error;
  const bool sized = resolveSettings(readChoices(), &settings, &error);
  const int width = qMin(settings.w1 + 1, kLargestOutline);
  const int height = qMin(settings.h1 + 1, kLargestOutline);
  QPixmap canvas(qMax(m_picture.width(), sized ? width + 1 : 0),
                 qMax(m_picture.height(), sized ? height + 1 : 0));
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.drawImage(0, 0, m_picture.image());
  if (sized) {
    painter.setPen(kOutline);
    painter.drawLine(width, 0, width, height);
    painter.drawLine(0, height, width, height);
  }
  painter.end();
  m_picture1->setPixmap(canvas);
}

void PictureWindow::refreshSizeFields() {
  if (m_picture.isNull()) return;
  m_text1->setText(QString::number(m_picture.width()));
  m_text2->setText(QString::number(m_picture.height()));
}

Choices PictureWindow::readChoices() const {
  Choices choices;
  if (m_option1->isChecked())
    choices.size = SizeOption::Size32;
  else if (m_option3->isChecked())
    choices.size = SizeOption::Size8;
  else if (m_option9->isChecked())
    choices.size = SizeOption::Custom;
  else
    choices.size = SizeOption::Size16;
  choices.customWidth = m_text1->text();
  choices.customHeight = m_text2->text();
  choices.tileOrder = m_option5->isChecked();
  choices.binFile = !m_option7->isChecked();
  choices.sizeBytes = m_check2->isChecked();
  return choices;
}

// Settings are read once, before the save dialog; a refused size stops here
// with nothing written and the clipboard as it was.
void PictureWindow::Command2_Click() {
  Settings settings;
  QString error;
  if (!resolveSettings(readChoices(), &settings, &error)) {
    setProgress(QString());
    setStatus(QStringLiteral("Refused: nothing converted."));
    m_hooks.warn(this, windowTitle(), error);
    return;
  }
  const qint64 width = qint64(settings.w1) + 1;
  const qint64 height = qint64(settings.h1) + 1;
  if (!settings.binFile && arrayTextBound(width, height) > qint64(kClipboardLimit)) {
    setProgress(QString());
    setStatus(QStringLiteral("Refused: nothing converted."));
    m_hooks.warn(this, windowTitle(),
                 QStringLiteral("The array text of %1 x %2 pixels would take more than %3, "
                                "too much for the clipboard: choose BIN File or a smaller size.")
                     .arg(width)
                     .arg(height)
                     .arg(QString::fromStdString(panetools::sizeText(kClipboardLimit))));
    return;
  }
  OutputWriter out = OutputWriter::arrayText();
  QString binPath;
  if (settings.binFile) {
    binPath = m_hooks.saveFile(this, kSaveTitle, kSaveFilters);
    if (binPath.isEmpty()) return;  // cancelled: nothing is converted
    if (const QString problem = outputCollision(m_picturePath, QString(), QString(), binPath);
        !problem.isEmpty()) {
      setProgress(QString());
      setStatus(problem);
      return;
    }
    out = OutputWriter::binFile(binPath);
  }

  ConversionHooks hooks;
  hooks.progress = [this](int percent) {
    setProgress(QString::number(percent) + QLatin1Char('%'));
  };
  hooks.pump = [this] {
    QCoreApplication::processEvents();
    return !m_closing;
  };
  m_closing = false;
  setBusy(true);
  const Picture picture = m_picture;  // a later load cannot change what is walked
  const Outcome outcome = convert(picture, settings, out, hooks, &error);
  setBusy(false);

  if (outcome == Outcome::Abandoned) return;
  if (outcome == Outcome::Failed) {
    setProgress(QString());
    setStatus(QStringLiteral("Not written."));
    m_hooks.warn(this, windowTitle(), error);
    return;
  }
  setProgress(QStringLiteral("DONE!"));
  m_hooks.setClipboard(QString::fromLatin1(out.text()));
  setStatus(settings.binFile ? QStringLiteral("Written to %1.").arg(QFileInfo(binPath).fileName())
                             : QStringLiteral("Array is on the clipboard!"));
}

void PictureWindow::setStatus(const QString& text) { m_label3->setText(text); }

// Every picture type the loader reads first, then the usual filters.
QString PictureWindow::loadFilters() {
  QStringList patterns;
  for (const QByteArray& suffix : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
  return QStringLiteral("All Pictures|%1|").arg(patterns.join(QLatin1Char(';'))) + kLoadFilters;
}

void PictureWindow::setProgress(const QString& text) {
  if (m_label1->text() != text) m_label1->setText(text);
}

// Load and Convert wait while a conversion runs; the options may change freely,
// since the running conversion has read them already.
void PictureWindow::setBusy(bool busy) {
  m_command1->setEnabled(!busy);
  m_command2->setEnabled(!busy);
}

void PictureWindow::closeEvent(QCloseEvent* event) {
  m_closing = true;  // a running conversion stops at its next row or band
  event->accept();
}

}  // namespace pixport
