// What screen tests share: a fresh set of screens per test, fatal errors and web addresses
// caught instead of ending the program or starting a browser, the real mouse events of QTest,
// and screenshots saved when CHALKFACE_SCREENSHOTS names a folder.
#pragma once

#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"
#include "shell/toolkit/screens.h"

#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// Receives the web addresses the program asks the platform to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest();
    ~ScreenTest() override;

    // The loaded screen of that name, which the test expects to exist.
    shell::Screen& screen(const QString& name);
    template <class T>
    T& screenAs(const QString& name)
    {
        return screens.get<T>(name);
    }

    // A control of a loaded screen by its name (exact case).
    template <class T = QWidget>
    T* control(const QString& screenName, const QString& name)
    {
        auto* found = screen(screenName).control<T>(name, Qt::CaseSensitive);
        EXPECT_NE(found, nullptr) << name.toStdString() << " on " << screenName.toStdString();
        return found;
    }

    // Clicks with the left button in the middle of the widget, as a user would.
    static void click(QWidget* widget);
    // Moves the mouse over the widget, or over a point of it.
    static void moveOver(QWidget* widget);
    static void moveOver(QWidget* widget, QPoint at);

    // The screens that are shown, by name.
    QStringList shownScreens() const;

    // Lets deferred deletions of unloaded screens happen.
    static void settle();

    // Saves the screen as a PNG when CHALKFACE_SCREENSHOTS is set.
    static void screenshot(QWidget& widget, const QString& fileName);

    shell::Screens screens;
    QStringList fatalMessages;
    UrlCatcher urls;
};

} // namespace testing_support
