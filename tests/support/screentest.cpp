#include "screentest.h"

#include "shell/activityscreen.h"
#include "shell/core/topictable.h"
#include "shell/linksscreen.h"
#include "shell/mainmenu.h"
#include "shell/shellscreens.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/units.h"
#include "shell/topicmenu.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace testing_support {

QStringList everyScreenName()
{
    QStringList names{shell::TitleScreen::kName, shell::MainMenu::kName, shell::LinksScreen::kName};
    for (const auto& row : shell::kTopicMenus) {
        names << shell::qtext(row.screen);
        for (const auto& topic : row.topics)
            names << shell::qtext(topic.screen);
    }
    names.removeDuplicates();
    return names;
}

QList<QObject*>& AccessibilityAlerts::raised()
{
    static QList<QObject*> objects;
    return objects;
}

AccessibilityAlerts::AccessibilityAlerts()
{
    raised().clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Alert)
            raised() << event->object();
    });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

AccessibilityAlerts::~AccessibilityAlerts()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    raised().clear();
}

ScreenTest::ScreenTest()
{
    shell::setFatalHandler([this](const QString& message) { fatalMessages << message; });
    for (const QString& scheme : UrlCatcher::kSchemes)
        QDesktopServices::setUrlHandler(scheme, &urls, "open");
    shell::defineShellScreens(screens);
}

ScreenTest::~ScreenTest()
{
    for (const QString& scheme : UrlCatcher::kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
    shell::resetFatalHandler();
    shell::setPictureFolders({});
    shell::setDisplaySizeOverride(std::nullopt);
    settle();
}

// Defines the screen `name` again so that, once made, an activity screen draws from `source()`.
void ScreenTest::drawFrom(const QString& name,
                          const std::function<std::unique_ptr<shell::RandomSource>()>& source)
{
    const shell::Screens::Factory make = screens.factory(name);
    ASSERT_TRUE(make) << name.toStdString() << " is not defined";
    screens.define(name, [make, source](shell::Screens& s) {
        shell::Screen* screen = make(s);
        if (auto* activity = qobject_cast<shell::ActivityScreen*>(screen))
            activity->setRandomSource(source());
        return screen;
    });
}

void ScreenTest::script(const QString& name, const std::vector<float>& draws)
{
    drawFrom(name, [draws] { return std::make_unique<shell::ScriptedDraws>(draws); });
}

void ScreenTest::seedActivities(const std::function<std::uint64_t()>& seed)
{
    for (const QString& name : everyScreenName())
        drawFrom(name, [seed] { return std::make_unique<shell::ClockRandom>(seed()); });
}

QWidget* ScreenTest::topicOf(const QString& menu, int topic)
{
    return screens.get<shell::TopicMenu>(menu).Label3[topic];
}

void ScreenTest::click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " is not visible";
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void ScreenTest::clickOrPress(QWidget* control, QWidget* screen, Qt::Key key)
{
    if (control)
        click(control);
    else
        QTest::keyClick(screen, key);
}

void ScreenTest::activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.isActiveWindow()) << window.objectName().toStdString();
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
