#include "app/CTembrelApp.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    // --help and --export show no window, so they run without a display.
    const std::unique_ptr<QCoreApplication> application =
        isConsoleRun(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                 : std::make_unique<QApplication>(argc, argv);
    // Desktops match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tembrel.Tembrel"));
    CTembrelApp tembrel;
    return tembrel.run(QCoreApplication::arguments());
}
