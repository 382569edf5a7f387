// The desktop side of the window hooks: Qt dialogs, message box and clipboard.
#include "common/window_hooks.h"

#include <QGuiApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace panetools {

QString qtFilterList(const QString& pairs) {
  const QStringList parts = pairs.split(QLatin1Char('|'));
  static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)$"));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    description.remove(trailingPatterns);  // the patterns below replace any shown in the name
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      if (pattern == QLatin1String("*.*"))
        pattern = QStringLiteral("*");  // every file, with or without an extension
    }
    filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
  }
  return filters.join(QStringLiteral(";;"));
}

WindowHooks desktopHooks() {
  WindowHooks hooks;
  hooks.openFile = [](QWidget* parent, const QString& title, const QString& filters) {
    return QFileDialog::getOpenFileName(parent, title, QString(), qtFilterList(filters));
  };
  hooks.saveFile = [](QWidget* parent, const QString& title, const QString& filters) {
    return QFileDialog::getSaveFileName(parent, title, QString(), qtFilterList(filters));
  };
  hooks.warn = [](QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
  };
  hooks.setClipboard = [](const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
  };
  return hooks;
}

}  // namespace panetools
