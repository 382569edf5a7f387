// PictureWindow (Form1), pixport's window: loads a picture and converts its top-left corner to
// RGB15 array text on the clipboard or to a BIN file.
#pragma once

#include "core/picture.h"
#include "core/settings.h"
#include "common/window_hooks.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pixport {

class PictureWindow : public QWidget {
 public:
  explicit PictureWindow(panetools::WindowHooks hooks = panetools::desktopHooks(),
                         QWidget* parent = nullptr);

  // The event handlers, also reachable by clicking the controls.
  void Command1_Click();  // "Load"
  void Command2_Click();  // "Convert"
  void Option1_Click();   // "32x32"
  void Option2_Click();   // "16x16"
  void Option3_Click();   // "8x8"
  void Option9_Click();   // "Custom"

  const Picture& picture() const { return m_picture; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void layOutControls();
  void connectControls();
  void showPicture(const Picture& picture);
  Choices readChoices() const;
  void refreshSizeFields();
  void setProgress(const QString& text);
  void setBusy(bool busy);
  void setStatus(const QString& text);
  void updatePreview();
  static QString loadFilters();

  panetools::WindowHooks m_hooks;
  Picture m_picture;
  QString m_picturePath;  // where m_picture was loaded from: never a save target
  bool m_closing = false;

  QLabel* m_picture1 = nullptr;
  QLabel* m_picture2 = nullptr;
  QPushButton* m_command1 = nullptr;
  QPushButton* m_command2 = nullptr;
  QRadioButton* m_option1 = nullptr;
  QRadioButton* m_option2 = nullptr;
  QRadioButton* m_option3 = nullptr;
  QRadioButton* m_option9 = nullptr;
  QLineEdit* m_text1 = nullptr;
  QLabel* m_label2 = nullptr;
  QLineEdit* m_text2 = nullptr;
  QGroupBox* m_frame1 = nullptr;
  QRadioButton* m_option4 = nullptr;
  QRadioButton* m_option5 = nullptr;
  QGroupBox* m_frame2 = nullptr;
  QRadioButton* m_option7 = nullptr;
  QRadioButton* m_option8 = nullptr;
  QCheckBox* m_check2 = nullptr;
  QLabel* m_label1 = nullptr;
  QLabel* m_label3 = nullptr;
};

}  // namespace pixport
