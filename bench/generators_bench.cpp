// Questions per second from every activity of the registry in each of its modes, and number
// texts per second. One question is what the worksheet program and a next-question click compute
// before any text reaches a label: the generator's draws and texts and the question as every
// output shows it (a figure is drawn only when it is painted, so it is not counted). The draws
// come from the program's own generator with a fixed seed, so every run asks the same questions
// (its reseeds then count instead of reading the clock, which costs about 30 ns more a question
// in the program).
#include "angles/parallellines.h"
#include "registry/registry.h"
#include "shell/core/numbertext.h"
#include "shell/core/randomsource.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr std::uint64_t kSeed = 20261206;

// One benchmark per activity and mode, named "sheet-name/mode-name".
void registerGenerators()
{
    for (const shell::Activity* activity : registry::activities()) {
        for (int mode = 0; mode < activity->modeCount(); ++mode) {
            const std::string modeName =
                activity->modes.empty() ? "question" : std::string(activity->modes[static_cast<std::size_t>(mode)].sheetName);
            benchmark::RegisterBenchmark((std::string(activity->sheet) + "/" + modeName).c_str(),
                                         [activity, mode](benchmark::State& state) {
                                             shell::ClockRandom draws(kSeed);
                                             const auto questions = activity->questions();
                                             for (auto _ : state)
                                                 benchmark::DoNotOptimize(questions->make(mode, draws));
                                             state.SetItemsProcessed(state.iterations());
                                         });
        }
    }
}

// Values of every size the screens write: whole numbers, decimals below 1, numbers that need the
// exponent form, negatives.
template <class T>
std::vector<T> sampleValues()
{
    shell::ClockRandom draws(kSeed);
    std::vector<T> values;
    for (int i = 0; i < 1024; ++i) {
        const double magnitude = std::pow(10.0, shell::drawWhole(draws, 14, -6));
        const double value = std::round(draws.next() * 1e6) / 1e6 * magnitude;
        values.push_back(static_cast<T>(i % 5 == 0 ? -value : value));
    }
    return values;
}

template <class T, class F>
void runTexts(benchmark::State& state, F&& write)
{
    const std::vector<T> values = sampleValues<T>();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(write(values[i]));
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

// The solution button's work where it is more than showing hidden texts: the parallel lines
// answer, read back from the eight captions. Not a question, so outside the target.
void registerSolutions()
{
    benchmark::RegisterBenchmark("solution/parallel", [](benchmark::State& state) {
        shell::ClockRandom draws(kSeed);
        std::vector<angles::ParallelLinesQuestion> questions;
        for (int i = 0; i < 256; ++i)
            questions.push_back(angles::makeParallelLinesQuestion(draws));
        std::size_t i = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(angles::solveParallelLines(questions[i].captions));
            i = (i + 1) % questions.size();
        }
        state.SetItemsProcessed(state.iterations());
    });
}

void registerNumberTexts()
{
    namespace nt = shell::numtext;
    benchmark::RegisterBenchmark("numbertext/general_float", [](benchmark::State& state) {
        runTexts<float>(state, [](float v) { return nt::general(v); });
    });
    benchmark::RegisterBenchmark("numbertext/general_double", [](benchmark::State& state) {
        runTexts<double>(state, [](double v) { return nt::general(v); });
    });
    benchmark::RegisterBenchmark("numbertext/general_blank_float", [](benchmark::State& state) {
        runTexts<float>(state, [](float v) { return nt::generalBlank(v); });
    });
    benchmark::RegisterBenchmark("numbertext/whole", [](benchmark::State& state) {
        runTexts<double>(state, [](double v) { return nt::whole(static_cast<long long>(v)); });
    });
    benchmark::RegisterBenchmark("numbertext/whole_blank", [](benchmark::State& state) {
        runTexts<double>(state, [](double v) { return nt::wholeBlank(static_cast<long long>(v)); });
    });
    benchmark::RegisterBenchmark("numbertext/fixed_float_0.00", [](benchmark::State& state) {
        runTexts<float>(state, [](float v) { return nt::fixed(v, "0.00"); });
    });
    benchmark::RegisterBenchmark("numbertext/fixed_double_0.0000", [](benchmark::State& state) {
        runTexts<double>(state, [](double v) { return nt::fixed(v, "0.0000"); });
    });
    benchmark::RegisterBenchmark("numbertext/read_number", [](benchmark::State& state) {
        std::vector<std::string> texts;
        for (double v : sampleValues<double>())
            texts.push_back(nt::general(v));
        std::size_t i = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(nt::readNumber(texts[i]));
            i = (i + 1) % texts.size();
        }
        state.SetItemsProcessed(state.iterations());
    });
}

constexpr double kTargetPerSecond = 200000;

// The console table, then whether every generator makes at least the target number of
// questions per second (number texts are parts of questions, solutions are not questions).
class TargetReporter : public benchmark::ConsoleReporter {
public:
    TargetReporter()
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto rate = run.counters.find("items_per_second");
            if (name.starts_with("numbertext/") || name.starts_with("solution/") ||
                rate == run.counters.end())
                continue;
            if (rate->second.value < kTargetPerSecond)
                m_missed.push_back(name);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("Target: every generator at least %.0f questions per second: %s\n", kTargetPerSecond,
                    m_missed.empty() ? "met" : "MISSED by");
        for (const std::string& name : m_missed)
            std::printf("  %s\n", name.c_str());
    }

private:
    std::vector<std::string> m_missed;
};

} // namespace

int main(int argc, char** argv)
{
    registerGenerators();
    registerSolutions();
    registerNumberTexts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
