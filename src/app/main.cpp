// Chalkface: short, randomly made mathematics exercises for a whole class.
#include "allscreens.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screens.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// For the start-up benchmark only, which sets this variable: once the title screen has been
// painted the program says "painted" on its output and leaves at once, so that the time, the
// processor time and the memory to the first paint can be taken from outside.
constexpr const char* kQuitAfterFirstPaint = "CHALKFACE_QUIT_AFTER_FIRST_PAINT";

class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint is finished and flushed first.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    // Tearing the program down would only add to what is measured.
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::puts("chalkface " CHALKFACE_VERSION);
            return 0;
        }
        if (argument == "--help") {
            std::puts("Usage: chalkface [--help | --version]  Mathematics exercises for the whole class, "
                      "worked with the mouse alone.");
            return 0;
        }
    }
    shell::keepFreedMemory();
    shell::loadFontConfiguration();
    // Qt sees no options: nothing else on the command line changes what the program does.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Chalkface"));
    QApplication::setApplicationVersion(QStringLiteral(CHALKFACE_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    shell::registerFonts();

    shell::Screens screens;
    defineAllScreens(screens);

    QuitAfterFirstPaint quitAfterFirstPaint;
    int status = 0;
    if (shell::runGuarded([&] {
            if (qEnvironmentVariableIsSet(kQuitAfterFirstPaint))
                screens.get(shell::TitleScreen::kName).installEventFilter(&quitAfterFirstPaint);
            screens.show(shell::TitleScreen::kName);
        }))
        status = app.exec();
    return shell::fatalExitStatus() != 0 ? shell::fatalExitStatus() : status;
}
