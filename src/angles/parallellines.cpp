#include "angles/parallellines.h"

#include "shell/core/numbertext.h"

namespace angles {

namespace {

constexpr std::string_view kDegree = "°";
constexpr std::string_view kQuestionStart = "If the given angle =";

// The rest of the question for each given index: the other seven letters.
constexpr std::array<std::string_view, kAngleCount> kQuestionTails{
    ", what are angles b, c, d, e, f, g and h?", ", what are angles a, c, d, e, f, g and h?",
    ", what are angles a, b, d, e, f, g and h?", ", what are angles a, b, c, e, f, g and h?",
    ", what are angles a, b, c, d, f, g and h?", ", what are angles a, b, c, d, e, g and h?",
    ", what are angles a, b, c, d, e, f and h?", ", what are angles a, b, c, d, e, f and g?",
};

constexpr int kFirstLetterCode = 97; // "a"

std::string answerItem(int index, double degrees)
{
    return angleLetter(index) + " =" + shell::numtext::generalBlank(degrees) + std::string(kDegree) + ", ";
}

} // namespace

std::string angleLetter(int index)
{
    return shell::numtext::charText(kFirstLetterCode + index);
}

double angleLabelLeft(int index, int given, double width)
{
    const AngleLabel& design = kAngleLabels[static_cast<std::size_t>(index)];
    if (index == given && design.givenKeepsRightEdge)
        return design.left + design.width - width;
    return design.left;
}

ParallelLinesQuestion makeParallelLinesQuestion(shell::RandomSource& draws)
{
    ParallelLinesQuestion q;
    for (int i = 0; i < kAngleCount; ++i)
        q.captions[i] = angleLetter(i);

    draws.reseed();
    q.given = shell::drawWhole(draws, kAngleCount, 0);
    q.size = kAngleLabels[q.given].group == SizeGroup::Obtuse
                 ? shell::drawWhole(draws, kObtuseCount, kObtuseSmallest)
                 : shell::drawWhole(draws, kAcuteCount, kAcuteSmallest);

    q.captions[q.given] = shell::numtext::wholeBlank(q.size) + std::string(kDegree);
    q.question = std::string(kQuestionStart) + q.captions[q.given] + std::string(kQuestionTails[q.given]);
    return q;
}

std::optional<ParallelLinesSolution> solveParallelLines(const std::array<std::string, kAngleCount>& captions)
{
    ParallelLinesSolution s;
    int given = -1;
    for (int i = 0; i < kAngleCount; ++i) {
        const int code = shell::numtext::charCode(captions[i]);
        if (code >= 0 && code < kFirstLetterCode) {
            given = i;
            s.angles[i] = shell::numtext::readNumber(captions[i]);
        }
    }
    if (given < 0)
        return std::nullopt;
    s.given = given;

    // Vertically opposite, corresponding and straight-line angles make every angle of a group
    // the same size, and the two groups supplementary.
    const double v = s.angles[given];
    const double obtuse = kAngleLabels[given].group == SizeGroup::Obtuse ? v : 180 - v;
    for (int i = 0; i < kAngleCount; ++i) {
        if (i != given)
            s.angles[i] = kAngleLabels[i].group == SizeGroup::Obtuse ? obtuse : 180 - obtuse;
    }

    s.firstLine = "Given angle =" + shell::numtext::generalBlank(v) + std::string(kDegree) + ", ";
    for (int i = 0; i < 4; ++i) {
        if (i != given)
            s.firstLine += answerItem(i, s.angles[i]);
    }
    // The first line keeps its trailing ", ": the two lines read as one list.
    for (int i = 4; i < kAngleCount; ++i) {
        if (i != given)
            s.secondLine += answerItem(i, s.angles[i]);
    }
    s.secondLine.resize(s.secondLine.size() - 2);
    s.secondLine += ".";
    return s;
}

} // namespace angles
