// The entry point of every screen test: a QApplication on the offscreen platform (unless the
// caller chose another), the program's style and fonts, then GoogleTest.
#include "shell/toolkit/platform.h"

#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform cannot raise windows and says so every time; nothing else is hidden.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& text) {
            if (text != QLatin1String("This plugin does not support raise()"))
                previous(type, where, text);
        });
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    shell::registerFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
