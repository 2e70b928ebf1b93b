#include "program.h"

#include "allscreens.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screens.h"

#include <QApplication>
#include <QStyleFactory>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// Prints one line on standard output; a line that cannot be written is told on standard error
// and ends the program with status 1.
int printLine(const char* text)
{
    errno = 0;
    if (std::puts(text) >= 0 && std::fflush(stdout) == 0)
        return 0;
    std::fprintf(stderr, "chalkface: cannot write to standard output: %s\n",
                 std::strerror(errno != 0 ? errno : EIO));
    return 1;
}

// Qt's messages while it connects to the display are held back. When it finds no display, Qt
// ends the program with a fatal message and its own advice; the user gets one line instead,
// with the reason Qt's platform gave, and status 1. Otherwise they are passed on as they were.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;
QtMessageHandler g_otherHandler = nullptr;

QString whyNoDisplay(const QString& fatalText)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    // The platform's first word is the cause ("could not connect to display :1"); later ones
    // tell of what followed from it.
    for (const HeldMessage& held : g_heldMessages) {
        if (held.category.startsWith("qt.qpa"))
            return held.text;
    }
    return fatalText.section(QLatin1Char('\n'), 0, 0);
}

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        g_heldMessages.push_back({type, QByteArray(context.category ? context.category : "default"), text});
        return;
    }
    QString reason = whyNoDisplay(text).trimmed();
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    std::fprintf(stderr, "Chalkface needs a graphical display: %s. Start it from a desktop session.\n",
                 qPrintable(reason));
    // Qt would abort once this handler returns; nothing it set up is worth tidying.
    std::_Exit(1);
}

void passOnStartMessages()
{
    qInstallMessageHandler(g_otherHandler);
    for (const HeldMessage& held : g_heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        g_otherHandler(held.type, context, held.text);
    }
    g_heldMessages.clear();
}

} // namespace

int runProgram(int argc, char* argv[], const std::function<void(QWidget& title)>& beforeTitle)
{
    bool fullScreen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version")
            return printLine("chalkface " CHALKFACE_VERSION);
        if (argument == "--help")
            return printLine(
                "Usage: chalkface [--fullscreen | --help | --version]  Mathematics exercises for "
                "the whole class, worked with the mouse alone; --fullscreen shows every screen "
                "after the title screen full screen.");
        if (argument == "--fullscreen")
            fullScreen = true;
    }
    shell::keepFreedMemory();
    shell::loadFontConfiguration();
    // Qt sees no options: nothing else on the command line changes what the program does.
    int qtArgc = 1;
    g_otherHandler = qInstallMessageHandler(holdStartMessage);
    QApplication app(qtArgc, argv);
    passOnStartMessages();
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
