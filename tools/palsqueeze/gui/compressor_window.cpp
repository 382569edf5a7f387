// Form1 and its controls; every conversion step is the core's, the window only
// shows the result and hands the text to the clipboard.
#include "gui/compressor_window.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/compressor.h"

namespace palsqueeze {

namespace {

constexpr char kUnreadableTitle[] = "Cannot compress this text";

QString fromCore(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The field's text as pasted: the plain-text view would turn non-breaking spaces into
// spaces, which changes the values the compressor compares. Only the document's
// paragraph and line separators become line ends.
QString pastedText(const QPlainTextEdit& field) {
  QString text = field.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace

CompressorWindow::CompressorWindow(panetools::WindowHooks hooks, QWidget* parent)
    : QWidget(parent), hooks_(std::move(hooks)) {
  setObjectName("Form1");
  setWindowTitle("palsqueeze");
  buildControls();
  connect(command1_, &QPushButton::clicked, this, [this] { compressText(); });
}

void CompressorWindow::buildControls() {
  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName("Text1");
  text1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text1_->setPlaceholderText("Paste the C array of a plain sprite here, then press Go!");

  command1_ = new QPushButton("Go!", this);
  command1_->setObjectName("Command1");

  frame1_ = new QGroupBox("Pallate", this);
  frame1_->setObjectName("Frame1");
  list1_ = new QListWidget(frame1_);
  list1_->setObjectName("List1");
  list1_->setUniformItemSizes(true);
  label1_ = new QLabel(frame1_);
  label1_->setObjectName("Label1");
  label2_ = new QLabel(frame1_);
  label2_->setObjectName("Label2");
  label3_ = new QLabel(this);  // where the last output went
  label3_->setObjectName("Label3");
  for (QLabel* label : {label1_, label2_, label3_}) label->setWordWrap(true);

  auto* frameLayout = new QVBoxLayout(frame1_);
  frameLayout->addWidget(list1_, 1);
  frameLayout->addWidget(label1_);
  frameLayout->addWidget(label2_);

  auto* side = new QVBoxLayout;
  side->addWidget(command1_);
  side->addWidget(frame1_, 1);
  side->addWidget(label3_);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(text1_, 2);
  layout->addLayout(side, 1);
  resize(720, 420);
}

void CompressorWindow::compressText() {
  const Result result = compress(pastedText(*text1_).toStdString());
  list1_->clear();
  QStringList entries;
  entries.reserve(static_cast<qsizetype>(result.palette.size()));
  for (const std::string& entry : result.palette) entries.append(fromCore(entry));
  list1_->addItems(entries);
  // Each run shows its own reports only: a refusal leaves no label of an earlier run.
  label1_->setText(fromCore(result.sizeReport));
  label2_->setText(fromCore(result.bitsReport));

  switch (result.status) {
    case Status::Compressed:
      hooks_.setClipboard(fromCore(result.output));
      label3_->setText("Sprite is on the clipboard!");
      text1_->clear();
      break;
    case Status::TooManyEntries:
      label3_->setText("Refused: the clipboard is unchanged.");
      hooks_.warn(this, kTooManyEntriesTitle, kTooManyEntriesMessage);
      break;
    case Status::Unreadable:
      label3_->setText("Refused: the clipboard is unchanged.");
      hooks_.warn(this, kUnreadableTitle, fromCore(result.problem));
      break;
  }
}

}  // namespace palsqueeze
