#include "screentest.h"

#include "shell/shellscreens.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPixmap>
#include <QTest>

namespace testing_support {

ScreenTest::ScreenTest()
{
    shell::setFatalHandler([this](const QString& message) { fatalMessages << message; });
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "open");
    shell::defineShellScreens(screens);
}

ScreenTest::~ScreenTest()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    shell::resetFatalHandler();
    shell::setPictureFolders({});
    shell::setDisplaySizeOverride(std::nullopt);
    settle();
}

shell::Screen& ScreenTest::screen(const QString& name)
{
    shell::Screen* found = screens.find(name);
    if (!found)
        throw std::logic_error("screen " + name.toStdString() + " is not loaded");
    return *found;
}

void ScreenTest::click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " is not visible";
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void ScreenTest::moveOver(QWidget* widget)
{
    moveOver(widget, widget->rect().center());
}

void ScreenTest::moveOver(QWidget* widget, QPoint at)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseMove(widget, at);
}

QStringList ScreenTest::shownScreens() const
{
    QStringList shown;
    for (const QString& name : screens.loadedNames()) {
        if (screens.find(name)->isVisible())
            shown << name;
    }
    return shown;
}

void ScreenTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void ScreenTest::screenshot(QWidget& widget, const QString& fileName)
{
    const QString folder = qEnvironmentVariable("CHALKFACE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget.grab().save(QDir(folder).filePath(fileName));
}

} // namespace testing_support
