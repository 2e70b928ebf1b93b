// Screen changes: the time from a click until the next screen has been painted, for the title
// screen to the main menu, the main menu to each topic menu, and each topic menu to each of its
// activity screens with the first question on it (for `parallel`, after the timer tick that
// makes the question). The click and everything after it run inside the event loop, as in the
// program: the new screen's load step, the old screen's deletion, the paint and its flush.
// Each change is made once unmeasured (the "first" column: pictures and fonts met for the first
// time), then measured the given number of times: in windows, then in full screen on a display of
// 1920 by 1080 pixels (pretended by the offscreen platform unless another platform is chosen).
//
// Usage: screenchange_bench [--samples N] [--only TEXT]  (only the changes whose name holds TEXT)
#include "registry/registry.h"
#include "summary.h"

#include "allscreens.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/screen.h"
#include "shell/toolkit/screens.h"
#include "shell/toolkit/stage.h"
#include "shell/topicmenu.h"
#include "shell/core/topictable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The processor time of the whole process, all threads, in milliseconds: unlike the time on the
// clock it leaves out the time other programs on a shared machine had the processor.
double processorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Sample {
    double ms = 0;          // on the clock
    double processorMs = 0; // of processor time
};

constexpr double kTargetMs = 16; // one frame at 60 Hz
constexpr int kWatchdogMs = 5000;

// The offscreen platform's display: a 1920 by 1080 projector.
constexpr const char* kDisplay = R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920,
    "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform cannot raise windows and says so on every show.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

// A screen's first question is on it once no timer of the screen is still to tick.
bool questionReady(const QWidget& screen)
{
    const auto timers = screen.findChildren<shell::Timer*>();
    for (const shell::Timer* timer : timers) {
        if (timer->isEnabled())
            return false;
    }
    return true;
}

// Watches every paint in the application for the first paint of a screen that is ready.
class PaintWatcher : public QObject {
public:
    // Calls `painted` once, queued so that it runs after the paint and its flush are done.
    void expect(const QString& screen, std::function<void()> painted)
    {
        m_screen = screen;
        m_painted = std::move(painted);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !m_painted || !watched->isWidgetType())
            return false;
        const QWidget* screen = shell::screenOf(watched);
        if (!screen || screen->objectName() != m_screen || !questionReady(*screen))
            return false;
        QMetaObject::invokeMethod(qApp, std::move(m_painted), Qt::QueuedConnection);
        m_painted = nullptr;
        return false;
    }

private:
    QString m_screen;
    std::function<void()> m_painted;
};

struct Change {
    std::string name;
    QString from;
    QString to;
    std::function<QWidget*(shell::Screens&)> clicked; // on the `from` screen
};

class Bench {
public:
    Bench()
    {
        defineAllScreens(m_screens);
        qApp->installEventFilter(&m_watcher);
    }

    void setFullScreen(bool on) { m_screens.setFullScreen(on); }

    // Runs `action` in the event loop and returns the time until `screen` is painted.
    // A fatal error in the program's handlers (a picture that cannot be loaded) ends the wait.
    Sample timeUntilPainted(const QString& screen, const std::function<void()>& action)
    {
        QEventLoop loop;
        Clock::time_point start;
        Clock::time_point end;
        double startProcessor = 0;
        double endProcessor = 0;
        bool painted = false;
        QString fatal;
        m_watcher.expect(screen, [&] {
            end = Clock::now();
            endProcessor = processorMs();
            painted = true;
            loop.quit();
        });
        shell::setFatalHandler([&](const QString& message) {
            fatal = message;
            loop.quit();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &loop, &QEventLoop::quit);
        watchdog.start(kWatchdogMs);
        QTimer::singleShot(0, &loop, [&] {
            start = Clock::now();
            startProcessor = processorMs();
            shell::runGuarded(action);
        });
        loop.exec();
        shell::resetFatalHandler();
        if (!painted) {
            m_watcher.expect({}, nullptr);
            if (!fatal.isEmpty())
                throw std::runtime_error(fatal.toStdString());
            throw std::runtime_error(screen.toStdString() + " was not painted within " +
                                     std::to_string(kWatchdogMs) + " ms");
        }
        return {std::chrono::duration<double, std::milli>(end - start).count(),
                endProcessor - startProcessor};
    }

    // Shows the screen and waits for it to be painted.
    void bringUp(const QString& name)
    {
        if (m_screens.isLoaded(name) && m_screens.find(name)->isVisible())
            return;
        timeUntilPainted(name, [&] { m_screens.show(name); });
    }

    // Unloads every screen but `keep` and lets deletions and pending paints happen.
    void unloadAllBut(const QString& keep)
    {
        for (const QString& name : m_screens.loadedNames()) {
            if (name != keep)
                m_screens.unload(name);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The first change unmeasured, then `samples` measured ones; each starts from `from` on
    // show, painted, with no other screen loaded.
    std::vector<Sample> measure(const Change& change, int samples)
    {
        std::vector<Sample> times;
        for (int i = 0; i <= samples; ++i) {
            unloadAllBut(change.from);
            bringUp(change.from);
            QWidget* target = change.clicked(m_screens);
            if (!target || !target->isVisible())
                throw std::runtime_error(change.name + ": nothing visible to click");
            times.push_back(timeClick(target, change.to));
        }
        unloadAllBut({});
        return times;
    }

    // The measured part on its own, for profiling: callgrind --toggle-collect='*timeClick*'.
    Sample timeClick(QWidget* target, const QString& next)
    {
        return timeUntilPainted(
            next, [target] { QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center()); });
    }

private:
    shell::Screens m_screens;
    PaintWatcher m_watcher;
};

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<Change> allChanges()
{
    std::vector<Change> changes;
    changes.push_back({"title -> main menu", shell::TitleScreen::kName, shell::MainMenu::kName,
                       [](shell::Screens& s) -> QWidget* {
                           return s.get<shell::TitleScreen>(shell::TitleScreen::kName).Command1;
                       }});
    for (int menu = 1; menu <= static_cast<int>(shell::kTopicMenus.size()); ++menu) {
        changes.push_back({"main menu -> menu" + std::to_string(menu), shell::MainMenu::kName,
                           QStringLiteral("menu%1").arg(menu), [menu](shell::Screens& s) -> QWidget* {
                               return s.get<shell::MainMenu>(shell::MainMenu::kName).Label2[menu - 1];
                           }});
    }
    for (const shell::TopicMenuRow& row : shell::kTopicMenus) {
        for (int i = 0; i < static_cast<int>(row.topics.size()); ++i) {
            const shell::Topic& topic = row.topics[static_cast<std::size_t>(i)];
            if (!registry::byScreenName(topic.screen))
                continue;
            const QString menu = qtext(row.screen);
            changes.push_back({std::string(row.screen) + " -> " + std::string(topic.screen), menu,
                               qtext(topic.screen), [menu, i](shell::Screens& s) -> QWidget* {
                                   return s.get<shell::TopicMenu>(menu).Label3[i];
                               }});
        }
    }
    return changes;
}

// Measures and prints every change whose name holds `only`; returns whether all met the target.
bool measureEveryChange(Bench& bench, int samples, const std::string& only)
{
    std::printf("  %-26s %7s %7s %7s %7s %10s %10s\n", "change", "first", "median", "p90", "worst",
                "proc.med", "proc.worst");
    bool allMet = true;
    for (const Change& change : allChanges()) {
        if (change.name.find(only) == std::string::npos)
            continue;
        std::vector<Sample> samplesTaken = bench.measure(change, samples);
        const double first = samplesTaken.front().ms;
        samplesTaken.erase(samplesTaken.begin());
        std::vector<double> times;
        std::vector<double> processor;
        for (const Sample& sample : samplesTaken) {
            times.push_back(sample.ms);
            processor.push_back(sample.processorMs);
        }
        const bench::Summary s = bench::summarize(times);
        const bench::Summary p = bench::summarize(processor);
        const bool met = s.median < kTargetMs && s.worst < kTargetMs;
        allMet = allMet && met;
        std::printf("  %-26s %7.2f %7.2f %7.2f %7.2f %10.2f %10.2f%s\n", change.name.c_str(), first, s.median,
                    s.ninetieth, s.worst, p.median, p.worst, met ? "" : "   MISSED");
        std::fflush(stdout);
    }
    return allMet;
}

} // namespace

int main(int argc, char* argv[])
{
    int samples = 100;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--samples" && i + 1 < argc) {
            samples = std::atoi(argv[++i]);
        } else if (std::string_view(argv[i]) == "--only" && i + 1 < argc) {
            only = argv[++i];
        } else {
            std::fprintf(stderr, "Usage: screenchange_bench [--samples N] [--only TEXT]\n");
            return 2;
        }
    }
    if (samples < 1) {
        std::fprintf(stderr, "screenchange_bench: --samples needs a whole number of at least 1\n");
        return 2;
    }

    // The program's own start-up, as its main makes it.
    shell::keepFreedMemory();
    shell::loadFontConfiguration();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString displays = QDir::temp().filePath(QStringLiteral("chalkface-bench-display.json"));
        QFile file(displays);
        if (!file.open(QIODevice::WriteOnly) || file.write(kDisplay) != qint64(std::strlen(kDisplay))) {
            std::fprintf(stderr, "screenchange_bench: cannot write %s\n", qPrintable(displays));
            return 1;
        }
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + displays.toLocal8Bit());
    }
    g_previousHandler = qInstallMessageHandler(quietMessages);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    shell::registerFonts();

    const QSize display = QGuiApplication::primaryScreen()->size();
    std::printf("Screen changes, click to next screen painted, %s platform, %d samples each (ms; "
                "processor: the process's own processor time):\n",
                qPrintable(QGuiApplication::platformName()), samples);
    bool allMet = true;
    try {
        Bench bench;
        for (const bool fullScreen : {false, true}) {
            bench.setFullScreen(fullScreen);
            if (fullScreen)
                std::printf("In full screen on a display of %d by %d pixels:\n", display.width(),
                            display.height());
            else
                std::printf("In windows:\n");
            allMet = measureEveryChange(bench, samples, only) && allMet;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "screenchange_bench: %s\n", error.what());
        return 1;
    }
    std::printf("Target: median and worst under %.0f ms: %s\n", kTargetMs, allMet ? "met" : "MISSED");
    return 0;
}
