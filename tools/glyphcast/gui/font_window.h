// Form1, the font converter's window: the fields, "Convert", the status line, the
// template field and the capture box, wired to the conversion core.
#pragma once

#include "glyphcast/core/fields.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/unicode_converter.h"
#include "common/window_hooks.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace glyphcast {

class CaptureView;
class MemoryFont;

class FontWindow : public QWidget {
 public:
  explicit FontWindow(panetools::WindowHooks hooks = panetools::desktopHooks(),
                      QWidget* parent = nullptr);
  ~FontWindow() override;

  // "Convert": one conversion, its text to the clipboard, the outcome in the status line.
  void convert();
  bool converting() const { return converting_; }

  // The window's fields as a conversion reads them.
  Fields fields() const;
  // The template field's text (line ends as typed; the conversion makes them CR LF).
  QString templateText() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void layOut();
  void placeCaptureBox();
  bool pumpEvents();
  void showProgress(int glyph, int count);
  // "Convert" with "Unicode" checked: the C source of a PaneFont to the clipboard.
  void convertUnicode();
  void showStatus(const QString& status);
  // The code points of the range and symbols fields; false with *problem.
  bool readCodePoints(UnicodeRequest* request, QString* problem) const;
  // Draws the sample with the last converted font into both preview pictures,
  // or empties them when there is none.
  void updatePreview();

  panetools::WindowHooks hooks_;
  ImageCaptureBox box_;
  bool converting_ = false;
  bool stopRequested_ = false;
  bool closeAfterRun_ = false;

  QLineEdit* text3_ = nullptr;  // font name
  QLineEdit* text4_ = nullptr;  // size
  QPushButton* command2_ = nullptr;
  QLabel* label1_ = nullptr;  // status line
  QLabel* label2_ = nullptr;
  QLineEdit* text11_ = nullptr;  // width bias
  QLineEdit* text5_ = nullptr;   // height bias
  QLabel* label3_ = nullptr;
  QLineEdit* text6_ = nullptr;   // horizontal position
  QLineEdit* text12_ = nullptr;  // vertical position
  QCheckBox* check1_ = nullptr;  // bold
  QCheckBox* check2_ = nullptr;  // italic
  QLabel* label4_ = nullptr;
  QLineEdit* uline_ = nullptr;
  QPlainTextEdit* text2_ = nullptr;  // template
  CaptureView* picture1_ = nullptr;
  QCheckBox* unicode_ = nullptr;       // a Unicode font in place of the font table
  QLineEdit* ranges_ = nullptr;        // code points, as --range takes them
  QLineEdit* symbolsFile_ = nullptr;   // a UTF-8 text file, as --symbols-file
  QComboBox* bitsPerPixel_ = nullptr;  // 1, 2 or 4, as --bpp

  // The preview of the last converted font, as libpane draws it.
  std::unique_ptr<MemoryFont> previewFont_;
  std::unique_ptr<UnicodeFont> unicodePreview_;  // the last Unicode font, when it is one
  QString previewProblem_;                       // why the last font has no preview
  QLineEdit* sample_ = nullptr;
  QLineEdit* previewBackground_ = nullptr;  // RGB15, as --preview-background
  QLabel* preview1x_ = nullptr;
  QLabel* preview2x_ = nullptr;
};

}  // namespace glyphcast
