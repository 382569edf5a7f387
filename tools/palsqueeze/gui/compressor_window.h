// The palsqueeze window, Form1: paste a sprite array into Text1, press "Go!", and the
// compressed record goes to the clipboard while Frame1 shows palette, size and bits.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace palsqueeze {

// The window's ways out to the desktop, replaceable so that tests never block.
struct WindowHooks {
  std::function<void(const QString& title, const QString& text)> showWarning;
  std::function<void(const QString& text)> putOnClipboard;  // clears it, then sets the text
};

class CompressorWindow : public QWidget {
 public:
  explicit CompressorWindow(QWidget* parent = nullptr);

  void setHooks(WindowHooks hooks);

  // What pressing Command1 does: one compression of Text1's text.
  void compressText();

 private:
  void buildControls();
  WindowHooks desktopHooks();

  QPlainTextEdit* text1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  WindowHooks hooks_;
};

}  // namespace palsqueeze
