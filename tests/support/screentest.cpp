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
#include "shell/topicmenu.h"

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
    const auto text = [](std::string_view name) {
        return QString::fromUtf8(name.data(), qsizetype(name.size()));
    };
    QStringList names{shell::TitleScreen::kName, shell::MainMenu::kName, shell::LinksScreen::kName};
    for (const auto& row : shell::kTopicMenus) {
        names << text(row.screen);
        for (const auto& topic : row.topics)
            names << text(topic.screen);
    }
    names.removeDuplicates();
    return names;
}

namespace {

std::vector<std::pair<QAccessible::Event, QObject*>> g_accessibilityEvents;

void setAccessibilityActive(bool active)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
}

} // namespace

AccessibilityEvents::AccessibilityEvents()
{
    g_accessibilityEvents.clear();
    QAccessible::installUpdateHandler(
        [](QAccessibleEvent* e) { g_accessibilityEvents.emplace_back(e->type(), e->object()); });
    setAccessibilityActive(true);
}

AccessibilityEvents::~AccessibilityEvents()
{
    setAccessibilityActive(false);
    QAccessible::installUpdateHandler(nullptr);
    g_accessibilityEvents.clear();
}

QList<QObject*> AccessibilityEvents::of(QAccessible::Event type) const
{
    QList<QObject*> objects;
    for (const auto& [eventType, object] : g_accessibilityEvents) {
        if (eventType == type)
            objects << object;
    }
    return objects;
}

void AccessibilityEvents::clear()
{
    g_accessibilityEvents.clear();
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

shell::Screen& ScreenTest::screen(const QString& name)
{
    shell::Screen* found = screens.find(name);
    if (!found)
        throw std::logic_error("screen " + name.toStdString() + " is not loaded");
    return *found;
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

void ScreenTest::clickOrPress(QWidget* control, QWidget& window, Qt::Key key)
{
    if (control)
        click(control);
    else
        QTest::keyClick(&window, key);
}

void ScreenTest::moveOver(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseMove(widget, widget->rect().center());
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
