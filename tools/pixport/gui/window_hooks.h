// The window's ways out to the desktop (file dialogs, message box, clipboard),
// replaceable so that tests drive the window without blocking.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace pixport {

struct WindowHooks {
    // Filters come as description|pattern pairs separated by vertical bars,
    // e.g. "Bin Files (*.bin)|*.bin". An empty path means the dialog was cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& filters)> openFile;
    std::function<QString(QWidget* parent, const QString& title, const QString& filters)> saveFile;
    std::function<void(QWidget* parent, const QString& text)> message;
    std::function<void(const QString& text)> setClipboard;
};

// Qt's file dialogs, a warning box and the system clipboard.
WindowHooks desktopHooks();

// "Bitmap Files (*.bmp)|*.bmp|All Files|*.*" in the form Qt's dialogs take:
// "Bitmap Files (*.bmp);;All Files (*)".
QString qtFilterList(const QString& pairs);

} // namespace pixport
