// chalkface-sheet: worksheets of questions from Chalkface's activities, as text, JSON Lines or
// a printable PDF, with the answers.
#include "sheet/outputfile.h"
#include "sheet/pdfsheet.h"
#include "sheet/seed.h"
#include "sheet/sheetoptions.h"
#include "sheet/sheetwriters.h"

#include "shell/core/randomsource.h"
#include "shell/toolkit/platform.h"

#include <QGuiApplication>
#include <QHashSeed>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr std::string_view kProgram = "chalkface-sheet";
constexpr int kBadInput = 2;
constexpr int kFailure = 1;

// Prints one line on standard error and gives the exit status back. A message that cannot be
// written leaves the status alone to tell of the failure.
int report(int status, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", kProgram.data(), message.c_str());
    return status;
}

// A mistake in the arguments: the message, then how the program is called.
int argumentMistake(const std::string& message)
{
    return report(kBadInput, message + "\n" + sheet::usageLine(kProgram));
}

// Qt's own remarks (such as "XDG_RUNTIME_DIR not set" where there is no desktop session) tell
// the reader of a worksheet nothing; a fatal one is still shown, as Qt ends the program after it.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        report(kFailure, message.toStdString());
}

void writePdf(int& argc, char** argv, const sheet::Options& options, std::uint64_t seed, std::ostream& out)
{
    // A worksheet is made on servers too, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The PDF writer keeps its fonts in a hash; a fixed hash seed keeps their order, and so the
    // file's bytes, the same from run to run.
    if (options.seed) {
        QHashSeed::setDeterministicGlobalSeed();
        // The writer records the time with the zone's offset, whose length varies from zone to
        // zone; in UTC it has one form, which fixCreationDate then fixes.
        setenv("TZ", "UTC", 1);
        tzset();
    }
    QGuiApplication application(argc, argv);

    const std::vector<shell::Exercise> items =
        sheet::seededQuestions(*options.activity, options.mode, options.count, seed);

    sheet::PdfSettings settings;
    settings.fontFamily = shell::registerFonts();
    settings.fixedDate = options.seed.has_value();
    settings.seed = seed;
    const QByteArray pdf = sheet::pdfWorksheet(*options.activity, options.mode, items, settings);
    out.write(pdf.constData(), pdf.size());
}

void writeSheet(int& argc, char** argv, const sheet::Options& options, std::ostream& out)
{
    // Without --seed a seed is drawn, so that the PDF can print the one that makes it again.
    const std::uint64_t seed = options.seed.value_or(sheet::drawSeed());
    if (options.format == sheet::Format::Pdf) {
        writePdf(argc, argv, options, seed, out);
        return;
    }
    shell::ClockRandom draws(seed);
    const shell::Activity& activity = *options.activity;
    const std::unique_ptr<shell::QuestionMaker> questions = activity.questions();
    // A stream whose writes have failed (a full disk) takes no more: the run stops there.
    if (options.format == sheet::Format::Json) {
        for (int i = 0; i < options.count && out; ++i)
            sheet::writeJsonLine(out, activity, options.mode, questions->make(options.mode, draws));
        return;
    }
    sheet::TextWriter writer(out, activity, options.mode, options.count);
    for (int i = 0; i < options.count && out; ++i)
        writer.add(questions->make(options.mode, draws));
    writer.finish();
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietQt);
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const sheet::ParseResult parsed = sheet::parseArguments(arguments);
    if (std::holds_alternative<sheet::HelpRequest>(parsed)) {
        sheet::DescriptorStream out(STDOUT_FILENO);
        out << sheet::helpText(kProgram);
        if (!out.finish())
            return report(kFailure, "cannot write the help to standard output: " + out.failure());
        return 0;
    }
    if (const auto* error = std::get_if<sheet::ParseError>(&parsed))
        return argumentMistake(error->message);
    const sheet::Options& options = std::get<sheet::Options>(parsed);

    // The file is opened first, so a path that cannot be written fails before any work.
    std::optional<sheet::OutputFile> file;
    std::optional<sheet::DescriptorStream> standardOutput;
    try {
        if (options.output)
            file.emplace(*options.output);
        else
            standardOutput.emplace(STDOUT_FILENO);
    } catch (const sheet::OutputError& error) {
        return report(kBadInput, error.what());
    }
    try {
        writeSheet(argc, argv, options, file ? file->stream() : *standardOutput);
        if (file)
            file->commit();
        else if (!standardOutput->finish())
            return report(kFailure, "cannot write to standard output: " + standardOutput->failure());
    } catch (const std::exception& error) {
        return report(kFailure, error.what());
    }
    return 0;
}
