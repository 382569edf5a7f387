// pixport: with no arguments opens the window, otherwise runs the command line.
#include "cli/command_line.h"
#include "gui/form1.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        // No display is needed to convert, so the command line runs without one.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("pixport"));
        return pixport::runCommandLine(QCoreApplication::arguments().mid(1));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pixport"));
    pixport::Form1 window;
    window.show();
    return app.exec();
}
