// The entry point of every screen test: a QApplication on the offscreen platform (unless the
// caller chose another), the program's style and fonts, then GoogleTest.
#include "shell/toolkit/platform.h"

#include <QApplication>

#include <QStyleFactory>
#include <cstdio>

#include <gtest/gtest.h>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform cannot raise windows and says so every time; nothing else is hidden.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previousHandler = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    shell::registerFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
