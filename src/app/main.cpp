#include "LoadedWindows.h"
#include "frmSplash.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Larkspan"));
    // Window managers match the program's windows to its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("larkspan"));
    // The program ends when its last window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    LoadedWindows& windows = LoadedWindows::instance();
    QObject::connect(&windows, &LoadedWindows::allUnloaded, &app, &QApplication::quit);
    Main();
    return app.exec();
}
