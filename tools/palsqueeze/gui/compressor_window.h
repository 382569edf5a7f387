// The palsqueeze window, Form1: paste a sprite array into Text1, press "Go!", and the
// compressed record goes to the clipboard while Frame1 shows palette, size and bits.
#pragma once

#include <QString>
#include <QWidget>

#include "common/window_hooks.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace palsqueeze {

class CompressorWindow : public QWidget {
 public:
  explicit CompressorWindow(panetools::WindowHooks hooks = panetools::desktopHooks(),
                            QWidget* parent = nullptr);

  // What pressing Command1 does: one compression of Text1's text.
  void compressText();

 private:
  void buildControls();

  QPlainTextEdit* text1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  panetools::WindowHooks hooks_;
};

}  // namespace palsqueeze
