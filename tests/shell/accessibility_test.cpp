// The shell's screens without the mouse: every clickable label is an entry that Tab and the
// arrow keys reach in screen order, and that its press action, Enter and Space work as a click
// does; Escape and Backspace leave as the exit button does, named Exit.
#include "screentest.h"

#include "shell/producttexts.h"
#include "shell/titlescreen.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

QStringList elements(const char* array, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
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
    const QStringList side = elements("Label2", 6);
    const QStringList links = elements("Label3", 6) + QStringList{QStringLiteral("Label5")};
    const QStringList guide{QStringLiteral("Label4")};
    std::vector<Menu> menus{{QStringLiteral("intro0"), side + guide, {}, guide, {}},
                            {QStringLiteral("links"), links, elements("Label4", 6), links + elements("Label4", 6), {}}};
    for (int number = 1; number <= 5; ++number)
        menus.push_back({QStringLiteral("menu%1").arg(number), elements("Label3", 5) + side, {}, {}, side[number - 1]});
    return menus;
}

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

class Accessibility : public testing_support::ScreenTest {
protected:
    // Shows the screen afresh and alone, active for the keys, with the focus moved `tabs` times
    // and no web address opened yet.
    shell::Screen& openAlone(const QString& name, qsizetype tabs = 0)
    {
        for (const QString& loaded : screens.loadedNames())
            screens.unload(loaded);
        settle();
        urls.opened.clear();
        shell::Screen& screen = screens.show(name);
        activate(screen);
        walk(Qt::Key_Tab, {}, tabs);
        return screen;
    }

    // Where the program stands after an action: the screens shown and loaded, the addresses opened.
    QString outcome(const std::function<void()>& action)
    {
        action();
        settle();
        QStringList opened;
        for (const QUrl& url : urls.opened)
            opened << url.toString();
        return QStringList{shownScreens().join(u','), screens.loadedNames().join(u','), opened.join(u',')}.join(u';');
    }

    // The names of the controls the key moves the focus onto, one press after another.
    static QStringList walk(Qt::Key key, Qt::KeyboardModifiers modifiers, qsizetype presses)
    {
        QStringList names;
        for (qsizetype i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }
};

TEST_F(Accessibility, KeysWalkEachMenuInScreenOrderOrLeaveAsExitDoesAndOtherLabelsAreText)
{
    EXPECT_EQ(accessible(&screens.show(shell::TitleScreen::kName))->text(QAccessible::Name), shell::product::title);
    for (const Menu& menu : everyMenu()) {
        SCOPED_TRACE(menu.screen.toStdString());
        shell::Screen& shown = openAlone(menu.screen);
        EXPECT_EQ(accessible(shown.exitButton())->text(QAccessible::Name), "Exit");
        for (shell::Label* label : shown.findChildren<shell::Label*>()) {
            if (!(menu.entries + menu.untabbed).contains(label->objectName())) {
                QAccessibleInterface* text = accessible(label);
                EXPECT_TRUE(text->role() == QAccessible::StaticText && label->focusPolicy() == Qt::NoFocus &&
                            text->text(QAccessible::Name) == label->caption() &&
                            !text->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
                    << label->objectName().toStdString();
            }
        }
        const QString left = outcome([&] { click(shown.exitButton()); });
        // Escape on the window, Backspace on an entry.
        for (const auto& [key, tabs] : {std::pair{Qt::Key_Escape, 0}, {Qt::Key_Backspace, 1}}) {
            openAlone(menu.screen, tabs);
            EXPECT_EQ(outcome([&] { QTest::keyClick(QApplication::focusWidget(), key); }), left) << key;
        }
        QStringList backwards = menu.entries;
        std::reverse(backwards.begin(), backwards.end());
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, QStringList> walks[] = {
            {Qt::Key_Tab, {}, menu.entries}, {Qt::Key_Down, {}, menu.entries}, {Qt::Key_Right, {}, menu.entries},
            {Qt::Key_Tab, Qt::ShiftModifier, backwards}, {Qt::Key_Up, {}, backwards}, {Qt::Key_Left, {}, backwards}};
        for (const auto& [key, modifiers, order] : walks) {
            SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
            shell::Screen& screen = openAlone(menu.screen);
            EXPECT_EQ(QApplication::focusWidget(), &screen) << "no entry is marked when the screen opens";
            // Round once, and on to the first entry again.
            EXPECT_EQ(walk(key, modifiers, order.size() + 1), order + order.mid(0, 1));
        }
    }
}

TEST_F(Accessibility, EveryClickableLabelsPressActionEnterAndSpaceDoWhatItsClickDoes)
{
    for (const Menu& menu : everyMenu()) {
        const auto label = [&](const QString& name) { return screens.get(menu.screen).control(name, Qt::CaseSensitive); };
        for (const QString& name : menu.entries + menu.untabbed) {
            SCOPED_TRACE((menu.screen + QLatin1Char(' ') + name).toStdString());
            const QString before = outcome([&] { openAlone(menu.screen); });
            EXPECT_EQ(accessible(label(name))->role(),
                      menu.links.contains(name) ? QAccessible::Link : QAccessible::Button);
            const QString clicked = outcome([&] { click(label(name)); });
            EXPECT_EQ(clicked == before, name == menu.ownEntry) << "a click does something, but on the menu's own entry";
            openAlone(menu.screen);
            EXPECT_EQ(outcome([&] {
                          accessible(label(name))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                      }),
                      clicked);
            // The keys on an entry the keys reach: Enter from the first, the keypad's from the last,
            // Space from any other.
            const qsizetype at = menu.entries.indexOf(name);
            if (at < 0)
                continue;
            openAlone(menu.screen, at + 1);
            ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
            const Qt::Key key = at == 0 ? Qt::Key_Return : at == menu.entries.size() - 1 ? Qt::Key_Enter : Qt::Key_Space;
            EXPECT_EQ(outcome([&] { QTest::keyClick(QApplication::focusWidget(), key); }), clicked);
        }
    }
}

} // namespace
