// A tool window's ways out to the desktop (file dialogs, warning box, clipboard),
// handed to its constructor and replaceable so that tests drive it without blocking.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace panetools {

struct WindowHooks {
  // Filters come as description|pattern pairs separated by vertical bars,
  // e.g. "Bin Files (*.bin)|*.bin". An empty path means the dialog was cancelled.
  std::function<QString(QWidget* parent, const QString& title, const QString& filters)> openFile;
  std::function<QString(QWidget* parent, const QString& title, const QString& filters)> saveFile;
  std::function<void(QWidget* parent, const QString& title, const QString& text)> warn;
  std::function<void(const QString& text)>
      setClipboard;  // clears the clipboard, then sets the text
};

// Qt's file dialogs, a warning box with an OK button and the system clipboard.
WindowHooks desktopHooks();

// "Bitmap Files (*.bmp)|*.bmp|All Files|*.*" in the form Qt's dialogs take:
// "Bitmap Files (*.bmp);;All Files (*)".
QString qtFilterList(const QString& pairs);

}  // namespace panetools
