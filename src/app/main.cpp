// Chalkface: short, randomly made mathematics exercises for a whole class.
#include "estimation/estimationscreen.h"
#include "mappings/mappingsscreen.h"
#include "shell/shellscreens.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screens.h"
#include "units/unitsscreen.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chalkface"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    shell::registerFonts();

    shell::Screens screens;
    shell::defineShellScreens(screens);
    estimation::defineEstimationScreen(screens);
    mappings::defineMappingsScreen(screens);
    units::defineUnitsScreen(screens);

    int status = 0;
    if (shell::runGuarded([&] { screens.show(shell::TitleScreen::kName); }))
        status = app.exec();
    return shell::fatalExitStatus() != 0 ? shell::fatalExitStatus() : status;
}
