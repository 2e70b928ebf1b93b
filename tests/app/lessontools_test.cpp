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
#include <QFile>
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
    // Back through the 19 before the newest, by the menu and then by key (the first five have
    // gone), and forward again to the newest.
    for (int at = 23, step = -1; at < 25; at += step) {
        SCOPED_TRACE(at);
        if (at == 23 || at == 6)
            choose(screen, QLatin1String(step < 0 ? "Previous question" : "Next question"));
        else
            QTest::keyClick(&screen, step < 0 ? Qt::Key_P : Qt::Key_N);
        EXPECT_EQ(asked(), kept[static_cast<std::size_t>(at)]);
        EXPECT_FALSE(screen.Frame1->isVisible()) << "shown in its question state";
        EXPECT_EQ(screen.mode(), at < 12 ? 0 : 1);
        EXPECT_TRUE(screen.control<shell::OptionButton>(QStringLiteral("Option%1").arg(screen.mode() + 1))->isChecked());
        click(screen.cmdsoln);
        EXPECT_EQ(screen.answer[0]->accessibleName().toStdString(), screen.exercise().answer.front());
        if (at == 5) {
            EXPECT_FALSE(screen.hasPreviousQuestion());
            QTest::keyClick(&screen, Qt::Key_P);
            EXPECT_EQ(asked(), kept[5]);
            step = 1;
        }
    }
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

// Where the control shows what it shows on the screen: a label its text, a button all of it.
QRect shownArea(const QWidget& control, const QWidget& screen)
{
    const auto* label = qobject_cast<const shell::Label*>(&control);
    if (!label)
        return {control.mapTo(&screen, QPoint(0, 0)), control.size()};
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect inLabel = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    return inLabel.translated(label->mapTo(&screen, QPoint(0, 0)));
}

TEST_F(LessonTools, InAWindowTheCountdownCoversNoTextOrButtonOfAnyActivity)
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
        // A question that comes on a one-shot timer tick (a parallel lines question) comes.
        auto* questionTimer = screen.findChild<shell::Timer*>(QStringLiteral("Timer1"));
        for (int round = 0; round < 24; ++round) {
            QWidget* newQuestion =
                options.isEmpty() ? static_cast<QWidget*>(screen.cmdgo) : options[round / 2 % options.size()];
            click(round % 2 ? screen.cmdsoln : newQuestion);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !questionTimer || !questionTimer->isEnabled(); }));
            for (const QWidget* control : screen.findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const shell::Label*>(control);
                const bool shows = label ? !label->text().isEmpty() : qobject_cast<const QAbstractButton*>(control) != nullptr;
                if (shows && control->isVisibleTo(&screen)) {
                    EXPECT_FALSE(shownArea(*control, screen).intersects(countdown))
                        << control->objectName().toStdString();
                }
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
    // Milliseconds after the start, and what it shows then (nothing: it has gone).
    const std::pair<std::int64_t, const char*> steps[] = {
        {0, "0:30"}, {999, "0:30"}, {1000, "0:29"}, {29'001, "0:01"}, {30'000, "Time's up"}, {32'999, "Time's up"},
        {33'000, ""}};
    for (const auto& [at, shown] : steps) {
        now = start + at;
        if (at > 0)
            tick(screen);
        EXPECT_EQ(countdown->isVisible() ? countdown->text() : QString(), QLatin1String(shown)) << at;
    }
    EXPECT_FALSE(screen.Frame1->isVisible()) << "the solution stays hidden unless asked for";
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
    for (bool blanked : {true, false}) {
        QTest::keyClick(&screen, Qt::Key_B);
        EXPECT_EQ(countdown->isVisible(), !blanked);
    }
}

// The text of a PDF.
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30'000);
    return QString::fromUtf8(process.readAllStandardOutput());
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

    // Saving to the file chosen, and printing with the system's dialog replaced by one that
    // prints to a file: each the PDF chalkface-sheet writes for the second mode, six questions
    // and the seed the dialog drew, which its footer names.
    const QString written = folder.filePath(QStringLiteral("written.pdf"));
    QString suggested;
    dialog->askForFile = [&](const QString& path) {
        suggested = path;
        return written;
    };
    dialog->askToPrint = [&](QPrinter& printer) {
        printer.setOutputFileName(written);
        return true;
    };
    for (const char* button : {"savePdf", "print"}) {
        SCOPED_TRACE(button);
        QFile::remove(written);
        click(dialog->findChild<QPushButton*>(QLatin1String(button)));
        ASSERT_TRUE(dialog->lastSeed());
        const QString seed = QString::number(*dialog->lastSeed());
        const QString output = folder.filePath(QStringLiteral("program.pdf"));
        QProcess program;
        program.start(QStringLiteral(CHALKFACE_SHEET),
                      {QStringLiteral("units"), QStringLiteral("--mode"), QStringLiteral("imperial"), QStringLiteral("--count"),
                       QStringLiteral("6"), QStringLiteral("--seed"), seed, QStringLiteral("--format"),
                       QStringLiteral("pdf"), QStringLiteral("--output"), output});
        EXPECT_TRUE(program.waitForFinished(60'000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QString text = pdfText(written);
        EXPECT_TRUE(text.contains(QStringLiteral("seed ") + seed));
        EXPECT_EQ(text, pdfText(output));
    }
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("/units-imperial.pdf"))) << suggested.toStdString();
    dialog->close();
}

} // namespace
