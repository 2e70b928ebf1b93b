#include "estimation/estimationquestions.h"

#include <cassert>
#include <cstddef>
#include <string>
#include <vector>

#include "shell/core/numbertext.h"

namespace estimation {
namespace {

using shell::drawWhole;
using shell::RandomSource;
namespace numtext = shell::numtext;

// The instruction texts. n and s are written as plain digits.
constexpr const char* kWriteLead = "Write the following number correct to ";
constexpr const char* kOnePlaceTail = " decimal place...";
constexpr const char* kPlacesTail = " decimal places...";
constexpr const char* kOneFigure = "Write the following number correct to 1 significant figure...";
constexpr const char* kFiguresTail = " significant figures...";
constexpr const char* kEstimateLead = "Estimate both numbers to 1 significant figure and then calculate the ";
constexpr const char* kEstimateTail = "...";

// The three estimation operations, as op = 1, 2, 3 draws them.
enum class Operation { Sum = 1, Difference = 2, Product = 3 };

const char* operatorText(Operation op)
{
    switch (op) {
    case Operation::Sum:
        return " + ";
    case Operation::Difference:
        return " - ";
    case Operation::Product:
        return " x ";
    }
    return "";
}

const char* operationName(Operation op)
{
    switch (op) {
    case Operation::Sum:
        return "sum";
    case Operation::Difference:
        return "difference";
    case Operation::Product:
        return "product";
    }
    return "";
}

std::string placesInstruction(int places)
{
    return kWriteLead + numtext::whole(places) + (places == 1 ? kOnePlaceTail : kPlacesTail);
}

std::string figuresInstruction(int figures)
{
    if (figures == 1)
        return kOneFigure;
    return kWriteLead + numtext::whole(figures) + kFiguresTail;
}

std::string estimateInstruction(Operation op)
{
    return std::string(kEstimateLead) + operationName(op) + kEstimateTail;
}

// "0." followed by one zero per decimal place.
std::string placesPattern(int places)
{
    return "0." + std::string(static_cast<std::size_t>(places), '0');
}

bool isExponentForm(const std::string& text)
{
    return text.size() >= 4 && text[text.size() - 4] == 'E';
}

bool hasSignificantDigit(std::string_view text)
{
    return text.find_first_of("123456789") != std::string_view::npos;
}

Question placesUpTo101(RandomSource& draws)
{
    const int places = drawWhole(draws, 4, 1);
    const float x = 100.0f * draws.next() + 1.0f;

    Question q;
    q.kind = kPlacesUpTo101;
    q.instruction = placesInstruction(places);
    q.question = numtext::general(x);
    q.answer = numtext::fixed(x, placesPattern(places));
    return q;
}

Question placesBelow2(RandomSource& draws)
{
    const int places = drawWhole(draws, 4, 1);
    const float x = 2.0f * draws.next();

    Question q;
    q.kind = kPlacesBelow2;
    q.instruction = placesInstruction(places);
    q.question = numtext::general(x);
    if (isExponentForm(q.question))
        q.question = numtext::fixed(x, "0.00000");
    // Rounded from the number as the class sees it: with the five-decimal question 0.01235, the
    // answer to 4 places must be 0.0124, not 0.0123 from the hidden 0.01234567.
    q.answer = numtext::fixed(numtext::readNumber(q.question), placesPattern(places));
    return q;
}

Question figuresWhole(RandomSource& draws)
{
    draws.reseed();
    const int number = drawWhole(draws, 19991, 10);
    const std::string digits = numtext::whole(number);
    const int length = static_cast<int>(digits.size());
    const int figures = drawWhole(draws, length, 1);

    Question q;
    q.kind = kFiguresWhole;
    q.instruction = figuresInstruction(figures);
    q.question = digits;
    q.answer = figures == length ? digits : roundFigures(digits, figures);
    return q;
}

// The question text for a decimal x below 0.8: the general form (0.125, 0.0625) while it is at
// most five characters without its leading 0, otherwise seven decimals (0.0352118).
std::string decimalQuestion(double x)
{
    const std::string general = numtext::general(x);
    const std::string_view shortForm =
        general.starts_with("0.") ? std::string_view(general).substr(1) : std::string_view(general);
    if (shortForm.size() > 5 || isExponentForm(general))
        return numtext::fixed(x, "0.0000000");
    return general;
}

Question figuresDecimal(RandomSource& draws)
{
    // A draw is taken again while x is 0.8 or more, and also while the question would show no
    // significant digit (x = 0, or below 0.00000005 so that it reads 0.0000000), which has no
    // answer. Both share one loop, so every pass takes the same reseed and two draws and a
    // question that shows a digit comes from exactly the draws it would have without the check.
    double x = 0;
    std::string shown;
    do {
        draws.reseed();
        const float doubled = 2.0f * draws.next();
        const int k = drawWhole(draws, 3, 0);
        const double scale = k == 0 ? 1.0 : (k == 1 ? 10.0 : 100.0);
        x = static_cast<double>(doubled) / scale;
        shown = decimalQuestion(x);
    } while (x >= 0.8 || !hasSignificantDigit(shown));
    const int figures = drawWhole(draws, 3, 1);

    Question q;
    q.kind = kFiguresDecimal;
    q.instruction = figuresInstruction(figures);
    q.question = shown;
    q.answer = figuresAnswer(shown, figures);
    return q;
}

Question estimate(RandomSource& draws)
{
    draws.reseed();
    const auto a = static_cast<std::int16_t>(drawWhole(draws, 591, 10));
    const auto b = static_cast<std::int16_t>(drawWhole(draws, 41, 10));
    const std::int16_t ra = onesigfig(a);
    const std::int16_t rb = onesigfig(b);
    const auto op = static_cast<Operation>(drawWhole(draws, 3, 1));

    // At most 600 x 50 = 30000, so the result fits a 16-bit whole number.
    std::int16_t result = 0;
    switch (op) {
    case Operation::Sum:
        result = static_cast<std::int16_t>(ra + rb);
        break;
    case Operation::Difference:
        result = static_cast<std::int16_t>(ra - rb);
        break;
    case Operation::Product:
        result = static_cast<std::int16_t>(ra * rb);
        break;
    }

    Question q;
    q.kind = kEstimate;
    q.instruction = estimateInstruction(op);
    q.question = numtext::whole(a) + operatorText(op) + numtext::whole(b);
    q.answer = numtext::whole(ra) + operatorText(op) + numtext::whole(rb);
    q.result = "= " + numtext::whole(result);
    return q;
}

} // namespace

Question newQuestion(int low, int high, RandomSource& draws)
{
    assert(kPlacesUpTo101 <= low && low <= high && high <= kEstimate);
    draws.reseed();
    switch (drawWhole(draws, high - low + 1, low)) {
    case kPlacesUpTo101:
        return placesUpTo101(draws);
    case kPlacesBelow2:
        return placesBelow2(draws);
    case kFiguresWhole:
        return figuresWhole(draws);
    case kFiguresDecimal:
        return figuresDecimal(draws);
    default:
        return estimate(draws);
    }
}

std::int16_t onesigfig(std::int16_t x)
{
    double y = x / 10.0;
    int tens = 1;
    while (y >= 10) {
        y /= 10;
        ++tens;
    }
    const double whole = static_cast<double>(static_cast<long long>(y));
    // Halves go up: 35 -> 40, 250 -> 300.
    y = y - whole >= 0.5 ? whole + 1 : whole;
    for (int i = 0; i < tens; ++i)
        y *= 10;
    return static_cast<std::int16_t>(y);
}

std::string roundFigures(std::string_view number, int figures)
{
    std::string text(number);
    const std::size_t first = text.find_first_of("123456789");
    if (first == std::string::npos || figures < 1)
        return text;

    // The digits from the first significant one on; the point is not a figure.
    std::vector<std::size_t> places;
    for (std::size_t i = first; i < text.size(); ++i) {
        if (text[i] != '.')
            places.push_back(i);
    }
    const auto kept = static_cast<std::size_t>(figures);
    // A first dropped digit beyond the end reads as 0: nothing changes.
    if (places.size() <= kept)
        return text;

    // Only the first dropped digit decides: 4449 to 1 figure is 4000.
    const bool roundUp = text[places[kept]] >= '5';
    for (std::size_t i = kept; i < places.size(); ++i)
        text[places[i]] = '0';
    if (!roundUp)
        return text;

    // Carry leftwards over 9s (and over the point); a carry out of the leftmost digit writes a new
    // leading 1, as 99 to 1 figure gives 100.
    std::size_t i = places[kept - 1] + 1;
    while (i-- > 0) {
        if (text[i] == '.')
            continue;
        if (text[i] != '9') {
            ++text[i];
            return text;
        }
        text[i] = '0';
    }
    return "1" + text;
}

std::string figuresAnswer(std::string_view number, int figures)
{
    std::string answer = roundFigures(number, figures);
    const std::size_t first = answer.find_first_of("123456789");
    if (first == std::string::npos || answer.find('.') == std::string::npos)
        return answer;

    answer.erase(answer.find_last_not_of('0') + 1);
    std::size_t shown = 0;
    for (std::size_t i = first; i < answer.size(); ++i) {
        if (answer[i] != '.')
            ++shown;
    }
    // Zeros that are significant are written back: 0.1 to 2 figures reads 0.10.
    if (shown < static_cast<std::size_t>(figures))
        answer.append(static_cast<std::size_t>(figures) - shown, '0');
    if (answer.back() == '.')
        answer.pop_back();
    return answer;
}

} // namespace estimation
