// The lesson tools every activity screen offers from its right-click menu and keys: its last
// questions again, the countdown (on a clock the test moves by hand), and the worksheet dialog,
// whose PDF and printout are the sheets chalkface-sheet makes from the seed in their footer.
#include "screentest.h"

#include "allscreens.h"
#include "registry/registry.h"
#include "shell/activityscreen.h"
#include "shell/standardscreen.h"
#include "shell/toolkit/fittedtext.h"
#include "shell/worksheetdialog.h"

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

#include <cstdint>
#include <string>
#include <vector>

namespace {

using shell::ActivityScreen;

// Every text an exercise shows, to tell questions apart.
std::string textsOf(const shell::Exercise& e)
{
    std::string texts = e.instruction;
    for (const shell::Line& line : e.question)
        texts += " | " + line.text;
    for (const std::string& line : e.answer)
        texts += " | " + line;
    return texts;
}

// The captions of the labels on show, top to bottom: what the class sees.
QStringList shownTexts(const ActivityScreen& screen)
{
    QStringList texts;
    for (const shell::Label* label : screen.findChildren<shell::Label*>()) {
        if (label->isVisibleTo(&screen) && !label->caption().isEmpty())
            texts << label->objectName() + QLatin1Char('=') + label->caption();
    }
    return texts;
}

// Lets a parallel lines question, which comes on a one-shot timer tick, come.
void questionBuilt(const ActivityScreen& screen)
{
    auto* timer = screen.findChild<shell::Timer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer || !timer->isEnabled(); }));
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

    // Opens the right-click menu over the screen and chooses an entry, in a submenu when given.
    static void choose(ActivityScreen& screen, const QString& text, const QString& submenu = {})
    {
        QTest::mouseClick(screen.windowHandle(), Qt::RightButton, {}, QPoint(400, 300));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QMenu* from = menu;
        for (QAction* action : menu->actions()) {
            if (!submenu.isEmpty() && action->text() == submenu)
                from = action->menu();
        }
        for (QAction* action : from->actions()) {
            if (action->text() == text) {
                ASSERT_TRUE(action->isEnabled()) << text.toStdString();
                menu->hide();
                action->trigger();
                settle();
                return;
            }
        }
        menu->hide();
        FAIL() << "no menu entry " << text.toStdString();
    }

    static void tick(ActivityScreen& screen)
    {
        auto* timer = screen.findChild<shell::Timer*>(QStringLiteral("countdownTimer"));
        ASSERT_NE(timer, nullptr);
        ASSERT_TRUE(timer->isEnabled()) << "the countdown's timer stopped";
        timer->onTick();
    }

    std::int64_t now = 1'000'000;
};

TEST_F(LessonTools, TheLastTwentyQuestionsComeBackInTheirQuestionStateWithTheirOwnSolutions)
{
    auto& screen = open<shell::StandardActivityScreen>(QStringLiteral("arithmeticprogressions"));
    std::vector<std::string> asked{textsOf(screen.exercise())};
    for (int i = 1; i < 25; ++i) {
        if (i == 12)
            click(screen.control(QStringLiteral("Option2"))); // a new question in another mode
        else
            click(screen.cmdgo);
        asked.push_back(textsOf(screen.exercise()));
    }
    click(screen.cmdsoln);
    const int modeOfNewest = screen.mode();

    // Back through the 19 before the newest: the first five have gone.
    for (int back = 1; back < 20; ++back) {
        SCOPED_TRACE(back);
        if (back == 1)
            choose(screen, QStringLiteral("Previous question"));
        else
            QTest::keyClick(&screen, Qt::Key_P);
        const int asked_at = 24 - back;
        EXPECT_EQ(textsOf(screen.exercise()), asked[static_cast<std::size_t>(asked_at)]);
        EXPECT_FALSE(screen.Frame1->isVisible()) << "shown in its question state";
        EXPECT_EQ(screen.mode(), asked_at < 12 ? 0 : 1);
        EXPECT_TRUE(screen.control<shell::OptionButton>(QStringLiteral("Option%1").arg(screen.mode() + 1))->isChecked());
        click(screen.cmdsoln);
        EXPECT_TRUE(screen.Frame1->isVisible());
        EXPECT_EQ(screen.answer[0]->accessibleName().toStdString(), screen.exercise().answer.front());
    }
    EXPECT_FALSE(screen.hasPreviousQuestion());
    QTest::keyClick(&screen, Qt::Key_P);
    EXPECT_EQ(textsOf(screen.exercise()), asked[5]);

    // Forward again to the newest, then a new question.
    for (int at = 6; at < 25; ++at) {
        SCOPED_TRACE(at);
        if (at == 6)
            choose(screen, QStringLiteral("Next question"));
        else
            QTest::keyClick(&screen, Qt::Key_N);
        EXPECT_EQ(textsOf(screen.exercise()), asked[static_cast<std::size_t>(at)]);
        EXPECT_FALSE(screen.Frame1->isVisible());
    }
    EXPECT_EQ(screen.mode(), modeOfNewest);
    QTest::keyClick(&screen, Qt::Key_N);
    const std::string fresh = textsOf(screen.exercise());
    EXPECT_NE(fresh, asked[24]);
    QTest::keyClick(&screen, Qt::Key_P);
    EXPECT_EQ(textsOf(screen.exercise()), asked[24]);

    // The next-question button makes a new question from anywhere in the list.
    QTest::keyClick(&screen, Qt::Key_P);
    click(screen.cmdgo);
    QTest::keyClick(&screen, Qt::Key_P);
    EXPECT_EQ(textsOf(screen.exercise()), fresh);
}

TEST_F(LessonTools, ScreensOfTheirOwnShowTheirQuestionsAgain)
{
    struct Row {
        const char* screen;
        const char* newQuestionBy; // the control that replaces the question
    };
    const Row rows[] = {{"sigfig", "cmdgo"},        {"mappings", "Option3"}, {"compoundunits", "Option2"},
                        {"parallel", "cmdgo"},      {"polygons", "Option2"}, {"beattheclock", "Option2"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.screen);
        auto& screen = open(QLatin1String(row.screen));
        const auto questionOnShow = [&] {
            questionBuilt(screen);
            return shownTexts(screen);
        };
        const QStringList first = questionOnShow();
        click(screen.control(QLatin1String(row.newQuestionBy)));
        const QStringList second = questionOnShow();
        ASSERT_NE(first, second);
        click(screen.cmdsoln);
        QTest::keyClick(&screen, Qt::Key_P);
        EXPECT_EQ(shownTexts(screen), first);
        QTest::keyClick(&screen, Qt::Key_N);
        EXPECT_EQ(shownTexts(screen), second);
        screens.unload(QLatin1String(row.screen));
        settle();
    }
}

TEST_F(LessonTools, TheCountdownCountsWholeSecondsByTheClockThenSaysTimesUp)
{
    auto& screen = open<shell::StandardActivityScreen>(QStringLiteral("geometricprogressions"));
    shell::FittedText* countdown = screen.countdown();
    ASSERT_NE(countdown, nullptr);
    EXPECT_FALSE(countdown->isVisible());

    const std::int64_t start = now;
    choose(screen, QStringLiteral("30 seconds"), QStringLiteral("Timer"));
    EXPECT_TRUE(countdown->isVisible());
    EXPECT_EQ(countdown->text(), QStringLiteral("0:30"));
    struct Step {
        std::int64_t at; // ms after the start
        const char* shown;
    };
    const Step steps[] = {{999, "0:30"}, {1000, "0:29"}, {29'001, "0:01"}, {30'000, "Time's up"}, {32'999, "Time's up"}};
    for (const Step& step : steps) {
        now = start + step.at;
        tick(screen);
        EXPECT_EQ(countdown->text(), QLatin1String(step.shown)) << step.at;
        EXPECT_TRUE(countdown->isVisible());
    }
    EXPECT_FALSE(screen.Frame1->isVisible()) << "the solution stays hidden unless asked for";
    now = start + 33'000;
    tick(screen);
    EXPECT_FALSE(countdown->isVisible());
    EXPECT_FALSE(screen.findChild<shell::Timer*>(QStringLiteral("countdownTimer"))->isEnabled());

    // The next question starts it again; now the solution comes at zero.
    choose(screen, QStringLiteral("Show the solution at zero"), QStringLiteral("Timer"));
    click(screen.cmdgo);
    EXPECT_EQ(countdown->text(), QStringLiteral("0:30"));
    now += 30'000;
    tick(screen);
    EXPECT_EQ(countdown->text(), QStringLiteral("Time's up"));
    EXPECT_TRUE(screen.Frame1->isVisible());

    // T steps through the lengths: after 30 seconds, 1, 2 and 5 minutes, then off.
    for (const char* shown : {"1:00", "2:00", "5:00", ""}) {
        QTest::keyClick(&screen, Qt::Key_T);
        EXPECT_EQ(countdown->text(), QLatin1String(shown));
    }
    EXPECT_FALSE(countdown->isVisible());

    // Blanking the screen hides it with the lesson.
    choose(screen, QStringLiteral("1 minute"), QStringLiteral("Timer"));
    QTest::keyClick(&screen, Qt::Key_B);
    EXPECT_FALSE(countdown->isVisible());
    QTest::keyClick(&screen, Qt::Key_B);
    EXPECT_TRUE(countdown->isVisible());
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
        const QRect countdown = screen.countdown()->geometry();
        ASSERT_TRUE(screen.countdown()->isVisible());
        // Several questions in each mode, in their question and solution states.
        const auto& options = screen.findChildren<shell::OptionButton*>();
        for (int round = 0; round < 12; ++round) {
            if (options.isEmpty()) {
                click(screen.cmdgo);
            } else {
                click(options[round % options.size()]);
            }
            questionBuilt(screen);
            for (int state = 0; state < 2; ++state) {
                for (const shell::Label* label : screen.findChildren<shell::Label*>()) {
                    if (label->isVisibleTo(&screen) && !label->text().isEmpty()) {
                        EXPECT_FALSE(textArea(*label, screen).intersects(countdown))
                            << label->objectName().toStdString() << " " << label->text().toStdString();
                    }
                }
                for (const shell::OptionButton* option : options)
                    EXPECT_FALSE(QRect(option->mapTo(&screen, QPoint(0, 0)), option->size()).intersects(countdown));
                click(screen.cmdsoln);
            }
        }
        screenshot(screen, QStringLiteral("countdown-%1.png").arg(name));
        screens.unload(name);
        settle();
    }
}

// --- The worksheet ----------------------------------------------------------------------------

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF chalkface-sheet writes for the activity, mode, count and seed.
QString programSheet(const QString& folder, const shell::Activity& activity, int mode, int count, std::uint64_t seed)
{
    const QString output = folder + QStringLiteral("/program.pdf");
    QStringList arguments{shell::qtext(activity.sheet), QStringLiteral("--count"), QString::number(count),
                          QStringLiteral("--seed"), QString::number(seed), QStringLiteral("--format"),
                          QStringLiteral("pdf"), QStringLiteral("--output"), output};
    if (!activity.modes.empty())
        arguments << QStringLiteral("--mode") << shell::qtext(activity.modes[static_cast<std::size_t>(mode)].sheetName);
    QProcess process;
    process.start(QStringLiteral(CHALKFACE_SHEET), arguments);
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
    const std::uint64_t savedSeed = *dialog->lastSeed();
    const QString savedText = pdfText(saved);
    EXPECT_TRUE(savedText.contains(QStringLiteral("seed %1").arg(savedSeed)));
    EXPECT_EQ(savedText, programSheet(folder.path(), dialog->activity(), 1, 6, savedSeed));

    // Printing: the system's dialog replaced by one that prints to a file.
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    dialog->askToPrint = [&](QPrinter& printer) {
        printer.setOutputFileName(printed);
        return true;
    };
    click(dialog->findChild<QPushButton*>(QStringLiteral("print")));
    ASSERT_TRUE(dialog->lastSeed());
    EXPECT_EQ(pdfText(printed), programSheet(folder.path(), dialog->activity(), 1, 6, *dialog->lastSeed()));
    dialog->close();
}

} // namespace
