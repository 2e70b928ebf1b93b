// What screen tests share: a fresh set of screens per test, fatal errors and web addresses
// caught instead of ending the program or starting a browser, the real mouse events of QTest,
// the alerts assistive technology would hear, and screenshots saved when CHALKFACE_SCREENSHOTS
// names a folder.
#pragma once

#include "shell/core/randomsource.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"
#include "shell/toolkit/screens.h"

#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// Every screen of the program by name: the title screen, the main menu, the links screen, then
// each topic menu followed by the screens of its topics.
QStringList everyScreenName();

// Receives the addresses the program asks the platform to open: web pages and files.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    static inline const QStringList kSchemes{QStringLiteral("https"), QStringLiteral("http"),
                                             QStringLiteral("file")};
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// Switches Qt's accessibility on, as a screen reader on the desktop's accessibility bus does, and
// records the objects that raise an alert while it lives, in order.
class AccessibilityAlerts {
public:
    AccessibilityAlerts();
    ~AccessibilityAlerts();
    AccessibilityAlerts(const AccessibilityAlerts&) = delete;
    AccessibilityAlerts& operator=(const AccessibilityAlerts&) = delete;
    static QList<QObject*>& raised();
};

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest();
    ~ScreenTest() override;

    template <class T>
    T& screenAs(const QString& name) { return screens.get<T>(name); }

    // Every later opening of the screen `name`, once defined, draws from `draws` alone.
    void script(const QString& name, const std::vector<float>& draws);
    // Every activity screen made from now on draws from a clock source with the seed `seed()`
    // gives it, so that a run replays.
    void seedActivities(const std::function<std::uint64_t()>& seed);

    // Shows the topic menu, clicks its topic (0 for the first) and returns the screen it opens.
    template <class T>
    T& openTopic(const QString& menu, int topic, const QString& name)
    {
        screens.show(menu);
        click(topicOf(menu, topic));
        return screenAs<T>(name);
    }
    QWidget* topicOf(const QString& menu, int topic);

    // Clicks with the left button in the middle of the widget, as a user would.
    static void click(QWidget* widget);
    // One step of a walk: clicks the control, or presses the key on the screen when there is none.
    static void clickOrPress(QWidget* control, QWidget* screen, Qt::Key key);
    // Makes the window the active one, as the window manager does when it opens.
    static void activate(QWidget& window);
    // The screens that are shown, by name.
    QStringList shownScreens() const;
    // Lets deferred deletions of unloaded screens happen.
    static void settle();
    // Saves the screen as a PNG when CHALKFACE_SCREENSHOTS is set.
    static void screenshot(QWidget& widget, const QString& fileName);

    shell::Screens screens;
    QStringList fatalMessages;
    UrlCatcher urls;

private:
    void drawFrom(const QString& name, const std::function<std::unique_ptr<shell::RandomSource>()>& source);
};

} // namespace testing_support
