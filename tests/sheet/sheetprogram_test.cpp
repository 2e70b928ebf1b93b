// Runs the built chalkface-sheet program as a teacher would and reads back what it wrote.
#include "registry/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1; // -1 when the program crashed or did not finish
    QByteArray out;
    QByteArray err;
};

// Sets a process up before it starts: its environment, its output, its limits.
using Preparation = std::function<void(QProcess&)>;

const QString kSheet = QStringLiteral(CHALKFACE_SHEET);

// started: runs once the process has started, while it runs.
Outcome run(const QString& program, const QStringList& arguments, const QString& folder = {},
            const Preparation& prepare = {}, const Preparation& started = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    if (prepare)
        prepare(process);
    process.start(program, arguments);
    if (started && process.waitForStarted())
        started(process);
    process.waitForFinished(120'000);
    const bool ended =
        process.exitStatus() == QProcess::NormalExit && process.state() == QProcess::NotRunning;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

// The whole file; empty when it cannot be read.
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The environment with these variables set, and those given an empty value removed.
Preparation withEnvironment(const std::vector<std::pair<const char*, const char*>>& changes)
{
    return [=](QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : changes)
            *value ? environment.insert(name, value) : environment.remove(name);
        process.setProcessEnvironment(environment);
    };
}

// Each JSON line is the activity, its mode and the fields of the question its descriptor makes
// from the same seed, in that order and nothing else. The same seed gives the same bytes in every
// format, in two time zones too (as one classroom's clock goes over to summer time); other seeds,
// and the clock, give other questions.
TEST(SheetProgram, SeedsDecideTheQuestionsFieldByFieldInEveryFormat)
{
    constexpr std::uint64_t seed = 20240917;
    QTemporaryDir folder;
    const QString file = folder.filePath("sheet");
    for (const shell::Activity* activity : registry::activities()) {
        const std::size_t modes = activity->modes.size();
        // Every mode by its name, then without --mode: the first mode.
        for (std::size_t named = 0; named <= modes; ++named) {
            const int mode = named < modes ? int(named) : 0;
            const std::string name(modes ? activity->modes[std::size_t(mode)].sheetName : "");
            QStringList arguments{QString::fromUtf8(activity->sheet)};
            if (named < modes)
                arguments << "--mode" << QString::fromStdString(name);
            SCOPED_TRACE(arguments.join(' ').toStdString());
            const QStringList json{"--count", "40", "--seed", QString::number(seed), "--format", "json"};
            const Outcome result = run(kSheet, arguments + json);
            ASSERT_EQ(result.status, 0) << result.err.toStdString();
            ASSERT_EQ(result.out.count('\n'), 40);
            shell::ClockRandom draws(seed);
            const auto questions = activity->questions();
            for (const QByteArray& line : result.out.trimmed().split('\n')) {
                EXPECT_TRUE(QJsonDocument::fromJson(line).isObject()) << line.toStdString();
                shell::Json::Object fields{{"activity", std::string(activity->sheet)},
                                           {"mode", name.empty() ? shell::Json() : shell::Json(name)}};
                const shell::Exercise e = questions->make(mode, draws);
                fields.insert(fields.end(), e.fields.begin(), e.fields.end());
                EXPECT_EQ(line.toStdString(), shell::Json(fields).dump());
            }
            // The formats and seeds once for each mode.
            if (named == modes && modes > 0)
                continue;
            const auto written = [&](const char* format, const char* zone) {
                const QStringList more{"--seed", "77", "--count", "6", "--format", format, "--output", file};
                const Outcome made = run(kSheet, arguments + more, {}, withEnvironment({{"TZ", zone}}));
                EXPECT_EQ(made.status, 0) << made.err.toStdString();
                return contents(file);
            };
            for (const char* format : {"text", "json", "pdf"}) {
                const QByteArray first = written(format, "UTC0");
                EXPECT_FALSE(first.isEmpty()) << format;
                EXPECT_TRUE(first == written(format, "XYZ-3")) << format;
            }
            const QStringList common = arguments + QStringList{"--count", "20", "--format", "json"};
            EXPECT_NE(run(kSheet, common + QStringList{"--seed", "1"}).out,
                      run(kSheet, common + QStringList{"--seed", "2"}).out);
            const Outcome clock = run(kSheet, common);
            EXPECT_NE(clock.out, run(kSheet, common).out);
            EXPECT_EQ(clock.out.count('\n'), 20);
        }
    }
}

TEST(SheetProgram, HelpDocumentsEverythingAndSucceeds)
{
    const Outcome result = run(kSheet, {"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.isEmpty());
    for (const char* word : {"estimation", "significant-figures", "mappings", "domain", "units",
                             "metric-imperial", "parallel-lines", "polygons", "central-angle", "--count",
                             "--seed", "--format", "--output", "1,000,000", "Exit status"})
        EXPECT_TRUE(result.out.contains(word)) << word;
}

// The program starts with the interrupting signals at their usual actions, whatever the test's
// runner ignores, and may write at most `fileBytes` bytes to a file (0: no limit), as a disk that
// fills up would stop it.
Preparation freshChild(rlim_t fileBytes)
{
    return [=](QProcess& process) {
        process.setChildProcessModifier([=] {
            for (int number : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
                signal(number, SIG_DFL);
            if (fileBytes == 0)
                return;
            const rlimit limit{fileBytes, fileBytes};
            setrlimit(RLIMIT_FSIZE, &limit);
            // Ignored, the signal for a write beyond the limit makes the write fail instead.
            signal(SIGXFSZ, SIG_IGN);
        });
    };
}

// Sends the signal once the program's temporary file has taken some bytes.
Preparation interruptWhileWriting(const QString& folder, int number)
{
    return [=](QProcess& process) {
        const auto writing = [&] {
            const QFileInfoList files =
                QDir(folder).entryInfoList({".chalkface-sheet-*"}, QDir::Files | QDir::Hidden);
            return !files.isEmpty() && files.first().size() > 0;
        };
        while (process.state() == QProcess::Running && !writing())
            process.waitForFinished(1);
        ASSERT_EQ(process.state(), QProcess::Running) << "the program finished before it was interrupted";
        kill(static_cast<pid_t>(process.processId()), number);
    };
}

// Standard error as a pattern: these lines exactly, where "*" stands for any text within a line.
QRegularExpression errorPattern(const QString& lines)
{
    const QString any = QRegularExpression::escape(QStringLiteral("*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(lines).replace(any, QStringLiteral("[^\\n]*"))));
}

// A mistake in the arguments: one line naming what was wrong, then the usage line.
QString mistake(const char* named)
{
    return QStringLiteral("chalkface-sheet: *%1*\nUsage: chalkface-sheet ACTIVITY *\n").arg(named);
}

// An output that cannot be made, with the system's reason.
QString cannotWrite(const char* file, const char* reason)
{
    return QStringLiteral("chalkface-sheet: cannot write \"%1\": %2\n").arg(file, reason);
}

// Every failure ends with its status and one clear line, writes nothing to standard output and
// leaves the folder as it was: an earlier sheet whole, no new file, no temporary file behind.
TEST(SheetProgram, FailuresTellWhyInOneLineAndLeaveEveryFileAsItWas)
{
    QTemporaryDir folder;
    const auto at = [&](const char* name) { return folder.filePath(name); };
    ASSERT_EQ(run(kSheet, {"units", "--seed", "1", "--format", "json", "--output", at("kept.json")}).status,
              0);
    const QByteArray kept = contents(at("kept.json"));
    ASSERT_TRUE(write(at("plain"), {}) && QFile::setPermissions(at("plain"), QFile::ReadOwner));
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub") && QFile::link("loop", at("loop")));
    const QString chalkface = QStringLiteral(CHALKFACE_PROGRAM);
    const auto display = [](const char* name) {
        return withEnvironment(
            {{"DISPLAY", name}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"XDG_SESSION_TYPE", ""}});
    };
    // Where a program's standard output goes.
    const Preparation fullDisk = [](QProcess& p) { p.setStandardOutputFile(QStringLiteral("/dev/full")); };
    const Preparation closedOutput = [](QProcess& p) {
        p.setChildProcessModifier([] { close(STDOUT_FILENO); });
    };
    const QStringList json{"--format", "json", "--output", "kept.json"};
    const auto interrupted = [&](int number) { return interruptWhileWriting(folder.path(), number); };
    const QStringList million = QStringList{"units", "--count", "1000000"} + json;
    const Preparation fresh = freshChild(0);

    struct Case {
        QStringList arguments;
        int status; // -1: ended by a signal
        QString err;
        Preparation prepare = freshChild(0);
        Preparation started = {}; // while the program runs
        QString program = kSheet;
    };
    // Parsing errors all take one path out; sheetoptions_test names each in its message.
    // clang-format off
    std::vector<Case> cases = {
        {{"fractions", "--output", "out.txt"}, 2, mistake("\"fractions\"")},
        {{"units", "--mode", "nautical", "--output", "out.txt"}, 2, mistake("\"nautical\"")},
        {{"parallel-lines", "--mode", "mixed", "--output", "out.txt"}, 2, mistake("no modes")},
        {{"units", "--count", "0", "--output", "out.txt"}, 2, mistake("--count")},
        {{"units", "--count", "1000001", "--output", "out.txt"}, 2, mistake("--count")},
        {{"units", "--count", "1.5", "--output", "out.txt"}, 2, mistake("--count")},
        {{"units", "--verbose", "--output", "out.txt"}, 2, mistake("\"--verbose\"")},
        {QStringList{"units", "--count", "0"} + json, 2, mistake("--count")},
        {{"units", "--output", "missing/out.txt"}, 2,
         cannotWrite("missing/out.txt", "No such file or directory")},
        {{"units", "--output", "plain/out.txt"}, 2, cannotWrite("plain/out.txt", "Not a directory")},
        {{"units", "--output", "sub"}, 2, cannotWrite("sub", "Is a directory")},
        {{"units", "--output", "loop"}, 2, cannotWrite("loop", "Too many levels of symbolic links")},
        {{"polygons", "--format", "pdf", "--output", "missing/w.pdf"}, 2,
         cannotWrite("missing/w.pdf", "No such file or directory")},
        // Writing fails part-way, as on a full disk; Ctrl-C, kill, the terminal closed, a closed pipe.
        {QStringList{"units", "--count", "100000"} + json, 1, cannotWrite("kept.json", "File too large"),
         freshChild(64 * 1024)},
        {million, -1, "", fresh, interrupted(SIGINT)},
        {million, -1, "", fresh, interrupted(SIGTERM)},
        {million, -1, "", fresh, interrupted(SIGHUP)},
        {million, -1, "", fresh, interrupted(SIGPIPE)},
        {{"--help"}, 1,
         "chalkface-sheet: cannot write the help to standard output: No space left on device\n", fullDisk},
        {{"--help"}, 1, "chalkface-sheet: cannot write the help to standard output: Bad file descriptor\n",
         closedOutput},
        {{"units"}, 1, "chalkface-sheet: cannot write to standard output: No space left on device\n",
         fullDisk},
        // A pdf without a desktop session.
        {{"polygons", "--format", "pdf", "--output", "/dev/null"}, 0, "",
         withEnvironment({{"XDG_RUNTIME_DIR", ""}, {"QT_QPA_PLATFORM", ""}})},
        {{"--version"}, 1, "chalkface: cannot write to standard output: No space left on device\n",
         fullDisk, {}, chalkface},
        {{"--help"}, 1, "chalkface: cannot write to standard output: Bad file descriptor\n", closedOutput, {},
         chalkface},
        {{}, 1, "Chalkface needs a graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set. "
                "Start it from a desktop session.\n", display(""), {}, chalkface},
        {{}, 1, "Chalkface needs a graphical display: *\n", display(":99"), {}, chalkface},
    };
    // clang-format on
    // The superuser may write any file.
    if (geteuid() != 0)
        cases.push_back({{"units", "--output", "plain"}, 2, cannotWrite("plain", "Permission denied")});
    for (const Case& c : cases) {
        SCOPED_TRACE(QFileInfo(c.program).fileName().toStdString() + " " +
                     c.arguments.join(' ').toStdString());
        const Outcome result = run(c.program, c.arguments, folder.path(), c.prepare, c.started);
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(errorPattern(c.err).match(QString::fromUtf8(result.err)).hasMatch())
            << result.err.toStdString();
        EXPECT_EQ(QDir(folder.path())
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  (QStringList{"kept.json", "loop", "plain", "sub"}));
        EXPECT_TRUE(contents(at("kept.json")) == kept);
        EXPECT_TRUE(QDir(at("sub")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        EXPECT_EQ(QFileInfo(at("plain")).size(), 0);
    }
}

TEST(SheetProgram, OutputReplacesFilesButWritesDevicesAndFollowsLinks)
{
    QTemporaryDir folder;
    const QString real = folder.filePath("real.txt");
    ASSERT_TRUE(write(real, "old") &&
                QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(real, folder.filePath("link.txt")));
    ASSERT_TRUE(QFile::link("later.txt", folder.filePath("dangling.txt")));
    const QString longest = QString(251, QLatin1Char('n')) + QStringLiteral(".txt");
    const QByteArray expected = run(kSheet, {"units", "--seed", "3"}).out;

    const struct {
        const char* name;
        QString output;
        QString written; // the file that gets the sheet; empty: standard output does
    } cases[] = {
        {"a link to a file: the file, keeping its permissions", "link.txt", "real.txt"},
        {"a link to a file not there yet makes that file", "dangling.txt", "later.txt"},
        {"the longest name a folder takes: the temporary file's does not grow with it", longest, longest},
        {"standard output, a pipe here, written as it stands", "/dev/stdout", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome result = run(kSheet, {"units", "--seed", "3", "--output", c.output}, folder.path());
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_EQ(c.written.isEmpty() ? result.out : contents(folder.filePath(c.written)), expected);
    }
    for (const char* link : {"link.txt", "dangling.txt"})
        EXPECT_TRUE(QFileInfo(folder.filePath(link)).isSymLink()) << link << " stays a link";
    EXPECT_EQ(QFile(real).permissions() & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"dangling.txt", "later.txt", "link.txt", longest, "real.txt"}));
    // A device is written as it stands, never replaced by a file of that name.
    const Outcome toDevice = run(kSheet, {"units", "--format", "pdf", "--output", "/dev/null"});
    EXPECT_EQ(toDevice.status, 0) << toDevice.err.toStdString();
    EXPECT_TRUE(toDevice.out.isEmpty());
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());
}

// What a poppler tool prints; the test fails when poppler-utils is missing.
QString poppler(const char* tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    EXPECT_FALSE(program.isEmpty()) << "poppler-utils is missing: run scripts/setup.sh";
    return program.isEmpty() ? QString() : QString::fromUtf8(run(program, arguments).out);
}

// A seeded sheet is A4 and records a fixed date, so that it is the same file whenever it is made.
// Its answer key starts on a page of its own, headed "Answers", with nothing of the questions.
TEST(SheetProgram, PdfOpensAndKeepsTheAnswerKeyOnItsOwnPages)
{
    struct Case {
        QStringList arguments;
        const char* onQuestionPages; // on the first page, never in the key
        const char* onAnswerPages;   // on the key's first page, never before it
    };
    // clang-format off
    const Case cases[] = {
        {{"estimation", "--count", "12"}, "Write the following number", nullptr},
        {{"mappings", "--mode", "mixed", "--count", "9"}, "Complete the mapping", nullptr},
        {{"units", "--mode", "imperial", "--count", "30"}, "Imperial conversions", nullptr},
        {{"parallel-lines", "--count", "6"}, "If the given angle", "Given angle ="},
        {{"polygons", "--count", "7"}, "What are the", "can be divided into"},
        {{"polygons", "--mode", "central-angle", "--count", "7"}, "What are the interior angles",
         "From the red isosceles triangle"},
        {{"beat-the-clock"}, "Answer each question as fast as you can.", nullptr},
    };
    // clang-format on
    QTemporaryDir folder;
    const QString pdf = folder.filePath("sheet.pdf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome made =
            run(kSheet, c.arguments + QStringList{"--seed", "4", "--format", "pdf", "--output", pdf});
        ASSERT_EQ(made.status, 0) << made.err.toStdString();
        const QString info = poppler("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression("Page size:.*\\(A4\\)"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression("CreationDate:.* 1970"))) << info.toStdString();
        // pdftotext ends each page with a form feed.
        QStringList pages = poppler("pdftotext", {"-layout", pdf, "-"}).split(QLatin1Char('\f'));
        pages.removeLast();
        qsizetype key = 0;
        while (key < pages.size() && !pages[key].contains("Answers"))
            ++key;
        ASSERT_GT(key, 0);
        ASSERT_LT(key, pages.size());
        EXPECT_TRUE(pages[0].contains(c.onQuestionPages) && pages[0].contains("Name"));
        EXPECT_TRUE(!c.onAnswerPages || pages[key].contains(c.onAnswerPages));
        for (qsizetype page = 0; page < pages.size(); ++page) {
            const QString& text = pages[page];
            EXPECT_FALSE(page >= key ? text.contains(c.onQuestionPages) || text.contains("Name")
                                     : c.onAnswerPages && text.contains(c.onAnswerPages))
                << "page " << page + 1 << ":\n"
                << text.toStdString();
        }
        if (c.arguments[0] != "beat-the-clock")
            continue;
        // Short questions stand in two columns under their instruction, printed once: 1 beside 6 and
        // 5 beside 10 for a round of ten.
        EXPECT_EQ(pages[0].count(c.onQuestionPages), 1);
        const auto line = [&](const char* pattern) {
            return pages[0].contains(QRegularExpression(pattern, QRegularExpression::MultilineOption));
        };
        EXPECT_TRUE(line("^ *1\\. .* 6\\. ") && line("^ *5\\. .* 10\\. ") && !line("^ *11\\."))
            << pages[0].toStdString();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
