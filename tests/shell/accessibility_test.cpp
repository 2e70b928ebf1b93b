// The shell's screens without the mouse: every clickable label is an entry that Tab and the
// arrow keys reach in screen order, and that its press action, Enter and Space work as a click
// does; Escape and Backspace leave as the exit button does; every screen is a named window.
#include "screentest.h"

#include "shell/producttexts.h"
#include "shell/titlescreen.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <algorithm>

namespace {

using shell::Label;

QStringList elements(const QString& array, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1(%2)").arg(array).arg(i);
    return names;
}

struct Menu {
    QString screen;
    QStringList entries;  // what Tab reaches, in order
    QStringList untabbed; // clickable labels out of the Tab order
    QStringList links;    // the entries that are links rather than buttons
    QString ownEntry;     // the entry that does nothing here: a topic menu's own
};

std::vector<Menu> everyMenu()
{
    const QStringList sideMenu = elements(QStringLiteral("Label2"), 6);
    std::vector<Menu> menus{
        {QStringLiteral("intro0"),
         sideMenu + QStringList{QStringLiteral("Label4")},
         {},
         {QStringLiteral("Label4")},
         {}},
        {QStringLiteral("links"),
         elements(QStringLiteral("Label3"), 6) + QStringList{QStringLiteral("Label5")},
         elements(QStringLiteral("Label4"), 6),
         elements(QStringLiteral("Label3"), 6) + elements(QStringLiteral("Label4"), 6) +
             QStringList{QStringLiteral("Label5")},
         {}},
    };
    for (int number = 1; number <= 5; ++number)
        menus.push_back({QStringLiteral("menu%1").arg(number),
                         elements(QStringLiteral("Label3"), 5) + sideMenu,
                         {},
                         {},
                         sideMenu[number - 1]});
    return menus;
}

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(interface, nullptr);
    return interface;
}

class Accessibility : public testing_support::ScreenTest {
protected:
    // Shows the screen afresh and alone, with no web address opened yet; the keys need it to be
    // the active window.
    shell::Screen& openAlone(const QString& name, bool forKeys = true)
    {
        for (const QString& loaded : screens.loadedNames())
            screens.unload(loaded);
        settle();
        urls.opened.clear();
        shell::Screen& screen = screens.show(name);
        if (forKeys)
            activate(screen);
        return screen;
    }

    // Where the program stands: the screens shown and loaded, and the web addresses opened.
    QString outcome() const
    {
        QStringList opened;
        for (const QUrl& url : urls.opened)
            opened << url.toString();
        return QStringLiteral("shown %1; loaded %2; opened %3")
            .arg(shownScreens().join(u','), screens.loadedNames().join(u','), opened.join(u','));
    }

    static QString focused()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // The names of the controls the key moves the focus onto, one press after another.
    static QStringList walk(Qt::Key key, Qt::KeyboardModifiers modifiers, qsizetype presses)
    {
        QStringList names;
        for (qsizetype i = 0; i < presses; ++i) {
            press(key, modifiers);
            names << focused();
        }
        return names;
    }
};

TEST_F(Accessibility, TabAndTheArrowKeysWalkEachMenuInScreenOrder)
{
    for (const Menu& menu : everyMenu()) {
        SCOPED_TRACE(menu.screen.toStdString());
        QStringList backwards = menu.entries;
        std::reverse(backwards.begin(), backwards.end());
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QStringList order;
        } walks[] = {
            {Qt::Key_Tab, {}, menu.entries},   {Qt::Key_Down, {}, menu.entries},
            {Qt::Key_Right, {}, menu.entries}, {Qt::Key_Tab, Qt::ShiftModifier, backwards},
            {Qt::Key_Up, {}, backwards},       {Qt::Key_Left, {}, backwards},
        };
        for (const auto& w : walks) {
            SCOPED_TRACE(QKeySequence(w.key | w.modifiers).toString().toStdString());
            shell::Screen& screen = openAlone(menu.screen);
            EXPECT_EQ(QApplication::focusWidget(), &screen) << "no entry is marked when the screen opens";
            // Round once, and on to the first entry again.
            EXPECT_EQ(walk(w.key, w.modifiers, w.order.size() + 1), w.order + w.order.mid(0, 1));
            if (w.key == Qt::Key_Tab || w.key == Qt::Key_Up)
                screenshot(screen, QStringLiteral("%1-focus-%2.png").arg(menu.screen, w.order.first()));
        }
    }
}

TEST_F(Accessibility, EveryClickableLabelHasAPressActionThatDoesWhatItsClickDoes)
{
    for (const Menu& menu : everyMenu()) {
        for (const QString& name : menu.entries + menu.untabbed) {
            SCOPED_TRACE((menu.screen + QLatin1Char(' ') + name).toStdString());
            const auto label = [&] { return screen(menu.screen).control<Label>(name, Qt::CaseSensitive); };

            openAlone(menu.screen, false);
            const QString before = outcome();
            QAccessibleInterface* interface = accessible(label());
            EXPECT_EQ(interface->role(), menu.links.contains(name) ? QAccessible::Link : QAccessible::Button);
            click(label());
            settle();
            const QString clicked = outcome();
            EXPECT_EQ(clicked == before, name == menu.ownEntry)
                << "a click does something, but on the menu's own entry";

            openAlone(menu.screen, false);
            accessible(label())->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            settle();
            EXPECT_EQ(outcome(), clicked);
        }
    }
}

TEST_F(Accessibility, EnterAndSpaceOnAnEntryDoWhatItsClickDoes)
{
    for (const Menu& menu : everyMenu()) {
        const struct {
            const char* how;
            QString entry;
            Qt::Key move;
            Qt::KeyboardModifiers modifiers;
            int moves;
            Qt::Key key;
        } cases[] = {
            {"Tab, Enter", menu.entries.first(), Qt::Key_Tab, {}, 1, Qt::Key_Return},
            {"Shift+Tab, Enter on the keypad", menu.entries.last(), Qt::Key_Tab, Qt::ShiftModifier, 1,
             Qt::Key_Enter},
            {"Down, Down, Space", menu.entries[1], Qt::Key_Down, {}, 2, Qt::Key_Space},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE((menu.screen + QLatin1Char(' ') + QLatin1String(c.how)).toStdString());
            openAlone(menu.screen, false);
            click(screen(menu.screen).control(c.entry, Qt::CaseSensitive));
            settle();
            const QString clicked = outcome();

            openAlone(menu.screen);
            ASSERT_EQ(walk(c.move, c.modifiers, c.moves).last(), c.entry);
            press(c.key);
            settle();
            EXPECT_EQ(outcome(), clicked);
        }
    }
}

TEST_F(Accessibility, OtherLabelsAreTextWithoutActions)
{
    for (const Menu& menu : everyMenu()) {
        SCOPED_TRACE(menu.screen.toStdString());
        shell::Screen& shown = openAlone(menu.screen);
        for (Label* label : shown.findChildren<Label*>()) {
            if ((menu.entries + menu.untabbed).contains(label->objectName()))
                continue;
            SCOPED_TRACE(label->objectName().toStdString());
            QAccessibleInterface* interface = accessible(label);
            EXPECT_EQ(interface->role(), QAccessible::StaticText);
            EXPECT_EQ(interface->text(QAccessible::Name), label->caption());
            EXPECT_FALSE(interface->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
    }
}

TEST_F(Accessibility, EscapeAndBackspaceLeaveAsTheExitButtonDoes)
{
    for (const Menu& menu : everyMenu()) {
        SCOPED_TRACE(menu.screen.toStdString());
        openAlone(menu.screen);
        click(screen(menu.screen).exitButton());
        settle();
        const QString left = outcome();
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Backspace}) {
            for (bool fromAnEntry : {false, true}) {
                SCOPED_TRACE(testing::Message() << QKeySequence(key).toString().toStdString()
                                                << (fromAnEntry ? " on an entry" : " on the window"));
                openAlone(menu.screen);
                if (fromAnEntry)
                    press(Qt::Key_Tab);
                press(key);
                settle();
                EXPECT_EQ(outcome(), left);
            }
        }
    }
}

TEST_F(Accessibility, ScreensAreWindowsNamedByTheirCaption)
{
    for (const QString& name : testing_support::everyScreenName()) {
        SCOPED_TRACE(name.toStdString());
        shell::Screen& shown = screens.show(name);
        QAccessibleInterface* window = accessible(&shown);
        EXPECT_EQ(window->role(), QAccessible::Window);
        const QString caption =
            name == shell::TitleScreen::kName ? shell::product::title : shown.windowTitle();
        EXPECT_EQ(window->text(QAccessible::Name), caption);
        if (QAbstractButton* exit = shown.exitButton()) {
            EXPECT_EQ(accessible(exit)->text(QAccessible::Name), "Exit");
        }
        screens.unload(name);
    }
}

} // namespace
