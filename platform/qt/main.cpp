#include <QApplication>
#include <QGuiApplication>
#include <string>

#include "platform/qt/QtSurface.h"
#include "shell/Program.h"
#include "shell/User32StandIn.h"

namespace {

// The arguments joined by single blanks, taken before Qt removes the options it knows.
std::string ArgumentText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

void ShowPointer(bool visible) {
    if (visible)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string arguments = ArgumentText(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kiv");

    kiv::QtSurface surface(arguments);
    kiv::User32StandIn user32;
    user32.onPointerVisibilityChanged = ShowPointer;
    kiv::Program program(surface, user32);
    program.Main();
    return app.exec();
}
