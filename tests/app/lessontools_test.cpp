// The lesson tools every activity screen offers from its right-click menu and keys: its last
// questions again, the countdown (on a clock the test moves by hand), and the worksheet dialog,
// whose PDF and printout are the sheets chalkface-sheet makes from the seed in their footer.
#include "screentest.h"

#include "allscreens.h"
#include "registry/registry.h"
#include "shell/activityscreen.h"
#include "shell/core/json.h"
#include "shell/standardscreen.h"
#include "shell/toolkit/fittedtext.h"
#include "shell/worksheetdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdint>

namespace {

using shell::ActivityScreen;

// The captions of the labels on show: what the class sees.
QStringList shownTexts(const ActivityScreen& screen)
{
    // A parallel lines question comes on a one-shot timer tick.
    auto* timer = screen.findChild<shell::Timer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer || !timer->isEnabled(); }));
    QStringList texts;
    for (const shell::Label* label : screen.findChildren<shell::Label*>()) {
        if (label->isVisibleTo(&screen) && !label->caption().isEmpty())
            texts << label->objectName() + QLatin1Char('=') + label->caption();
    }
    return texts;
}

class LessonTools : public testing_support::ScreenTest {
protected:
    LessonTools()
    {
        defineAllScreens(screens);
        seedActivities([] { return 20261207; });
    }

    template <class T = ActivityScreen>
    T& open(const QString& name)
    {
        auto& screen = static_cast<T&>(screens.show(name));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&screen));
        screen.setClock([this] { return now; });
        return screen;
    }

    // Opens the right-click menu over the screen and chooses an entry, in it or in a submenu.
    static void choose(ActivityScreen& screen, const QString& text)
    {
        QTest::mouseClick(screen.windowHandle(), Qt::RightButton, {}, QPoint(400, 300));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        menu->hide();
        const auto entries = menu->findChildren<QAction*>();
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](QAction* a) { return a->text() == text; });
        ASSERT_TRUE(entry != entries.end() && (*entry)->isEnabled()) << text.toStdString();
        (*entry)->trigger();
        settle();
    }

    static void tick(ActivityScreen& screen)
    {
        auto* timer = screen.findChild<shell::Timer*>(QStringLiteral("countdownTimer"));
        ASSERT_TRUE(timer->isEnabled()) << "the countdown's timer stopped";
        timer->onTick();
    }

    std::int64_t now = 1'000'000;
};

TEST_F(LessonTools, TheLastTwentyQuestionsComeBackInTheirQuestionStateWithTheirOwnSolutions)
{
    auto& screen = open<shell::StandardActivityScreen>(QStringLiteral("arithmeticprogressions"));
    const auto asked = [&] { return shell::Json(screen.exercise().fields).dump(); };
    std::vector<std::string> kept{asked()};
    for (int i = 1; i < 25; ++i) {
        // Half of them in the second mode.
        click(i == 12 ? screen.control(QStringLiteral("Option2")) : screen.cmdgo);
        kept.push_back(asked());
    }
    click(screen.cmdsoln);

    // Back through the 19 before the newest, by the menu and then by key: the first five have gone.
    for (int at = 23; at >= 5; --at) {
        SCOPED_TRACE(at);
        if (at == 23)
            choose(screen, QStringLiteral("Previous question"));
        else
            QTest::keyClick(&screen, Qt::Key_P);
        EXPECT_EQ(asked(), kept[static_cast<std::size_t>(at)]);
        EXPECT_FALSE(screen.Frame1->isVisible()) << "shown in its question state";
        EXPECT_EQ(screen.mode(), at < 12 ? 0 : 1);
        EXPECT_TRUE(screen.control<shell::OptionButton>(QStringLiteral("Option%1").arg(screen.mode() + 1))->isChecked());
        click(screen.cmdsoln);
        EXPECT_EQ(screen.answer[0]->accessibleName().toStdString(), screen.exercise().answer.front());
    }
    EXPECT_FALSE(screen.hasPreviousQuestion());
    QTest::keyClick(&screen, Qt::Key_P);
    EXPECT_EQ(asked(), kept[5]);

    // Forward again to the newest, then a new question.
    for (int at = 6; at < 25; ++at) {
        SCOPED_TRACE(at);
        if (at == 6)
            choose(screen, QStringLiteral("Next question"));
        else
            QTest::keyClick(&screen, Qt::Key_N);
        EXPECT_EQ(asked(), kept[static_cast<std::size_t>(at)]);
        EXPECT_FALSE(screen.Frame1->isVisible());
    }
    EXPECT_EQ(screen.mode(), 1);
    QTest::keyClick(&screen, Qt::Key_N);
    const std::string fresh = asked();
    EXPECT_NE(fresh, kept[24]);
    // The next-question button makes a new question from anywhere in the list.
    QTest::keyClick(&screen, Qt::Key_P);
    EXPECT_EQ(asked(), kept[24]);
    QTest::keyClick(&screen, Qt::Key_P);
    click(screen.cmdgo);
    QTest::keyClick(&screen, Qt::Key_P);
    EXPECT_EQ(asked(), fresh);
}

TEST_F(LessonTools, ScreensOfTheirOwnShowTheirQuestionsAgain)
{
    // Each screen and the control that replaces its question.
    const std::pair<const char*, const char*> rows[] = {{"sigfig", "cmdgo"},        {"mappings", "Option3"},
                                                        {"compoundunits", "Option2"}, {"parallel", "cmdgo"},
                                                        {"polygons", "Option2"},      {"beattheclock", "Option2"}};
    for (const auto& [name, newQuestionBy] : rows) {
        SCOPED_TRACE(name);
        auto& screen = open(QLatin1String(name));
        const QStringList first = shownTexts(screen);
        click(screen.control(QLatin1String(newQuestionBy)));
        const QStringList second = shownTexts(screen);
        ASSERT_NE(first, second);
        click(screen.cmdsoln);
        QTest::keyClick(&screen, Qt::Key_P);
        EXPECT_EQ(shownTexts(screen), first);
        QTest::keyClick(&screen, Qt::Key_N);
        EXPECT_EQ(shownTexts(screen), second);
        screens.unload(QLatin1String(name));
        settle();
    }
}

// The text a label shows, where it shows it on the screen.
QRect textArea(const shell::Label& label, const QWidget& screen)
{
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect inLabel = label.fontMetrics().boundingRect(label.contentsRect(), flags, label.text());
    return inLabel.translated(label.mapTo(&screen, QPoint(0, 0)));
}

TEST_F(LessonTools, InAWindowTheCountdownCoversNoTextOfAnyActivity)
{
    for (const shell::Activity* activity : registry::activities()) {
        const QString name = shell::qtext(activity->screen);
        SCOPED_TRACE(name.toStdString());
        auto& screen = open(name);
        QTest::keyClick(&screen, Qt::Key_T);
        ASSERT_TRUE(screen.countdown()->isVisible());
        const QRect countdown = screen.countdown()->geometry();
        // Several questions in each mode, in their question and solution states.
        const auto options = screen.findChildren<shell::OptionButton*>();
        for (int round = 0; round < 12; ++round) {
            click(options.isEmpty() ? static_cast<QWidget*>(screen.cmdgo) : options[round % options.size()]);
            for (int state = 0; state < 2; ++state) {
                shownTexts(screen); // lets a question that comes on a timer tick come
                for (const shell::Label* label : screen.findChildren<shell::Label*>()) {
                    if (label->isVisibleTo(&screen) && !label->text().isEmpty()) {
                        EXPECT_FALSE(textArea(*label, screen).intersects(countdown)) << label->text().toStdString();
                    }
                }
                for (const QWidget* button : screen.findChildren<QAbstractButton*>()) {
                    if (button->isVisibleTo(&screen)) {
                        EXPECT_FALSE(QRect(button->mapTo(&screen, QPoint()), button->size()).intersects(countdown))
                            << button->objectName().toStdString();
                    }
                }
                click(screen.cmdsoln);
            }
        }
        screens.unload(name);
        settle();
    }
}

TEST_F(LessonTools, TheCountdownCountsWholeSecondsByTheClockThenSaysTimesUp)
{
    auto& screen = open<shell::StandardActivityScreen>(QStringLiteral("geometricprogressions"));
    shell::FittedText* countdown = screen.countdown();
    EXPECT_FALSE(countdown->isVisible());
    const std::int64_t start = now;
    choose(screen, QStringLiteral("30 seconds"));
    EXPECT_EQ(countdown->text(), QStringLiteral("0:30"));
    // Milliseconds after the start, and what it shows then.
    const std::pair<std::int64_t, const char*> steps[] = {
        {999, "0:30"}, {1000, "0:29"}, {29'001, "0:01"}, {30'000, "Time's up"}, {32'999, "Time's up"}};
    for (const auto& [at, shown] : steps) {
        now = start + at;
        tick(screen);
        EXPECT_EQ(countdown->text(), QLatin1String(shown)) << at;
        EXPECT_TRUE(countdown->isVisible());
    }
    EXPECT_FALSE(screen.Frame1->isVisible()) << "the solution stays hidden unless asked for";
    now = start + 33'000;
    tick(screen);
    EXPECT_FALSE(countdown->isVisible());
    EXPECT_FALSE(screen.findChild<shell::Timer*>(QStringLiteral("countdownTimer"))->isEnabled());

    // The next question starts it again; now the solution comes at zero.
    choose(screen, QStringLiteral("Show the solution at zero"));
    click(screen.cmdgo);
    EXPECT_EQ(countdown->text(), QStringLiteral("0:30"));
    now += 30'000;
    tick(screen);
    EXPECT_TRUE(screen.Frame1->isVisible());

    // T steps through the lengths: after 30 seconds, 1, 2 and 5 minutes, then off.
    for (const char* shown : {"1:00", "2:00", "5:00", ""}) {
        QTest::keyClick(&screen, Qt::Key_T);
        EXPECT_EQ(countdown->text(), QLatin1String(shown));
    }
    EXPECT_FALSE(countdown->isVisible());

    // Blanking the screen hides it with the lesson.
    choose(screen, QStringLiteral("1 minute"));
    QTest::keyClick(&screen, Qt::Key_B);
    EXPECT_FALSE(countdown->isVisible());
    QTest::keyClick(&screen, Qt::Key_B);
    EXPECT_TRUE(countdown->isVisible());
}

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the PDF chalkface-sheet writes for the activity's second mode, six questions and
// the seed.
QString programSheet(const QString& folder, const shell::Activity& activity, std::uint64_t seed)
{
    const QString output = folder + QStringLiteral("/program.pdf");
    QProcess process;
    process.start(QStringLiteral(CHALKFACE_SHEET),
                  {shell::qtext(activity.sheet), QStringLiteral("--count"), QStringLiteral("6"),
                   QStringLiteral("--seed"), QString::number(seed), QStringLiteral("--format"), QStringLiteral("pdf"),
                   QStringLiteral("--output"), output, QStringLiteral("--mode"), shell::qtext(activity.modes[1].sheetName)});
    EXPECT_TRUE(process.waitForFinished(60'000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return pdfText(output);
}

TEST_F(LessonTools, TheWorksheetDialogSavesAndPrintsTheSheetChalkfaceSheetMakesFromItsSeed)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        FAIL() << "poppler-utils is missing: run scripts/setup.sh";
    QTemporaryDir folder;
    auto& screen = open(QStringLiteral("compoundunits"));
    click(screen.control(QStringLiteral("Option2")));
    choose(screen, QStringLiteral("Worksheet\u2026"));
    auto* dialog = screen.findChild<shell::WorksheetDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    screenshot(*dialog, QStringLiteral("worksheet-dialog.png"));
    EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("activity"))->currentText(), QStringLiteral("Units"));
    EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("mode"))->currentIndex(), 1);
    EXPECT_EQ(dialog->count(), 10);
    dialog->findChild<QSpinBox*>(QStringLiteral("count"))->setValue(6);

    const QString saved = folder.filePath(QStringLiteral("saved.pdf"));
    QString suggested;
    dialog->askForFile = [&](const QString& path) {
        suggested = path;
        return saved;
    };
    click(dialog->findChild<QPushButton*>(QStringLiteral("savePdf")));
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("/units-imperial.pdf"))) << suggested.toStdString();
    ASSERT_TRUE(dialog->lastSeed());
    const QString savedText = pdfText(saved);
    EXPECT_TRUE(savedText.contains(QStringLiteral("seed %1").arg(*dialog->lastSeed())));
    EXPECT_EQ(savedText, programSheet(folder.path(), dialog->activity(), *dialog->lastSeed()));

    // Printing: the system's dialog replaced by one that prints to a file.
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    dialog->askToPrint = [&](QPrinter& printer) {
        printer.setOutputFileName(printed);
        return true;
    };
    click(dialog->findChild<QPushButton*>(QStringLiteral("print")));
    ASSERT_TRUE(dialog->lastSeed());
    EXPECT_EQ(pdfText(printed), programSheet(folder.path(), dialog->activity(), *dialog->lastSeed()));
    dialog->close();
}

} // namespace
