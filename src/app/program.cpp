#include "program.h"

#include "allscreens.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screens.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <string_view>

int runProgram(int argc, char* argv[], const std::function<void(QWidget& title)>& beforeTitle)
{
    bool fullScreen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::puts("chalkface " CHALKFACE_VERSION);
            return 0;
        }
        if (argument == "--help") {
            std::puts("Usage: chalkface [--fullscreen | --help | --version]  Mathematics exercises for the "
                      "whole class, worked with the mouse alone; --fullscreen shows every screen after the "
                      "title screen full screen.");
            return 0;
        }
        if (argument == "--fullscreen")
            fullScreen = true;
    }
    shell::keepFreedMemory();
    shell::loadFontConfiguration();
    shell::cacheLargeGlyphs();
    // Qt sees no options: nothing else on the command line changes what the program does.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Chalkface"));
    QApplication::setApplicationVersion(QStringLiteral(CHALKFACE_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    shell::registerFonts();

    shell::Screens screens;
    defineAllScreens(screens);
    screens.setFullScreen(fullScreen);

    int status = 0;
    if (shell::runGuarded([&] {
            if (beforeTitle)
                beforeTitle(screens.get(shell::TitleScreen::kName));
            screens.show(shell::TitleScreen::kName);
        }))
        status = app.exec();
    return shell::fatalExitStatus() != 0 ? shell::fatalExitStatus() : status;
}
