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

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kProgram = "chalkface-sheet";
constexpr int kBadInput = 2;
constexpr int kFailure = 1;

int badInput(const std::string& message)
{
    std::cerr << kProgram << ": " << message << "\n" << sheet::usageLine(kProgram) << "\n";
    return kBadInput;
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
    if (options.format == sheet::Format::Json) {
        for (int i = 0; i < options.count; ++i)
            sheet::writeJsonLine(out, activity, options.mode, questions->make(options.mode, draws));
        return;
    }
    sheet::TextWriter writer(out, activity, options.mode, options.count);
    for (int i = 0; i < options.count; ++i)
        writer.add(questions->make(options.mode, draws));
    writer.finish();
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const sheet::ParseResult parsed = sheet::parseArguments(arguments);
    if (std::holds_alternative<sheet::HelpRequest>(parsed)) {
        std::cout << sheet::helpText(kProgram);
        return 0;
    }
    if (const auto* error = std::get_if<sheet::ParseError>(&parsed))
        return badInput(error->message);
    const sheet::Options& options = std::get<sheet::Options>(parsed);

    try {
        // The file is opened first, so a path that cannot be written fails before any work.
        std::optional<sheet::OutputFile> file;
        if (options.output)
            file.emplace(*options.output);
        std::ostream& out = file ? file->stream() : std::cout;
        writeSheet(argc, argv, options, out);
        if (file) {
            file->commit();
        } else if (!std::cout.flush()) {
            std::cerr << kProgram << ": writing to standard output failed\n";
            return kFailure;
        }
    } catch (const sheet::OutputError& error) {
        return badInput(error.what());
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << "\n";
        return kFailure;
    }
    return 0;
}
