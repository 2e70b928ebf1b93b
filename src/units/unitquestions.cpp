#include "units/unitquestions.h"

#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace units {

namespace {

enum class Precision { Single, Double };

enum class Form {
    General,            // shortest text of the value
    TwoDecimals,        // "0.00", also when the decimals are zero
    WholeOrTwoDecimals, // general text for a whole number, "0.00" otherwise
};

// One conversion: the answer is q x times / per, worked in the row's precision. A row that
// only multiplies has per = 1 and one that only divides has times = 1, which leaves the
// value exact; the two speed rows that need both steps keep them in that order.
struct Conversion {
    Mode mode;
    std::string_view question; // follows the quantity
    std::string_view unit;     // follows the result
    double times;
    double per;
    int count; // the drawn n runs from first to first + count - 1
    int first;
    bool askMultiple; // q = n x per, so that the answer is the whole number n
    Precision precision;
    Form form;
};

constexpr Mode M = Mode::Metric;
constexpr Mode I = Mode::Imperial;
constexpr Mode C = Mode::Compound;
constexpr Mode A = Mode::MetricImperial;
constexpr Precision S = Precision::Single;
constexpr Precision D = Precision::Double;
constexpr Form G = Form::General;
constexpr Form F = Form::TwoDecimals;
constexpr Form W = Form::WholeOrTwoDecimals;

// The groups follow one another in mode order; rows are numbered from 1 within a group.
constexpr std::array<Conversion, 46> kConversions{{
    {M, " km to metres", " m", 1000, 1, 100, 1, false, S, G},
    {M, " km to centimetres", " cm", 100000, 1, 100, 1, false, D, G},
    {M, " km to millimetres", " mm", 1000000, 1, 100, 1, false, D, G},
    {M, " m to centimetres", " cm", 100, 1, 100, 1, false, S, G},
    {M, " m to millimetres", " mm", 1000, 1, 100, 1, false, S, G},
    {M, " cm to millimetres", " mm", 10, 1, 100, 1, false, S, G},
    {M, " m to kilometres", " km", 1, 1000, 100, 1, false, S, G},
    {M, " cm to kilometres", " km", 1, 100000, 100, 1, false, D, G},
    {M, " mm to kilometres", " km", 1, 1000000, 100, 1, false, D, G},
    {M, " cm to metres", " m", 1, 100, 100, 1, false, S, G},
    {M, " mm to metres", " m", 1, 1000, 100, 1, false, S, G},
    {M, " mm to centimetres", " cm", 1, 10, 100, 1, false, S, G},

    {I, " miles to yards", " yards", 1760, 1, 98, 2, false, S, G},
    {I, " miles to feet", " feet", 5280, 1, 98, 2, false, S, G},
    {I, " miles to inches", " inches", 63360, 1, 98, 2, false, D, G},
    {I, " yards to feet", " feet", 3, 1, 98, 2, false, S, G},
    {I, " yards to inches", " inches", 36, 1, 98, 2, false, S, G},
    {I, " feet to inches", " inches", 12, 1, 98, 2, false, S, G},
    {I, " miles to furlongs", " furlongs", 8, 1, 98, 2, false, S, G},
    {I, " chains to yards", " yards", 22, 1, 98, 2, false, S, G},
    {I, " furlongs to poles", " poles", 40, 1, 98, 2, false, S, G},
    {I, " chains to links", " links", 100, 1, 98, 2, false, S, G},
    {I, " yards to miles", " miles", 1, 1760, 98, 2, true, S, G},
    {I, " feet to miles", " miles", 1, 5280, 98, 2, true, S, G},
    {I, " inches to miles", " miles", 1, 63360, 98, 2, true, D, G},
    {I, " feet to yards", " yards", 1, 3, 98, 2, true, S, G},
    {I, " inches to yards", " yards", 1, 36, 98, 2, true, S, G},
    {I, " inches to feet", " feet", 1, 12, 98, 2, true, S, G},
    {I, " furlongs to miles", " miles", 1, 8, 98, 2, true, S, G},
    {I, " yards to chains", " chains", 1, 22, 98, 2, true, S, G},
    {I, " poles to furlongs", " furlongs", 1, 40, 98, 2, true, S, G},
    {I, " links to chains", " chains", 1, 100, 98, 2, true, S, G},

    {C, " m/sec to km/h", " km/h", 3.6, 1, 30, 1, false, D, G},
    {C, " km/h to m/sec", " m/sec", 5, 18, 191, 10, false, S, W},
    {C, " cm/sec to m/sec", " m/sec", 1, 100, 50, 1, false, S, G},
    {C, " m/sec to cm/sec", " cm/sec", 100, 1, 50, 1, false, S, G},
    {C, " cm/sec to m/min", " m/min", 0.6, 1, 50, 1, false, D, G},
    {C, " m/min to cm/sec", " cm/sec", 5, 3, 50, 1, false, S, W},

    {A, " feet to centimetres", " cm", 30.48, 1, 98, 2, false, D, G},
    {A, " inches to centimetres", " cm", 2.54, 1, 98, 2, false, D, G},
    {A, " yards to centimetres", " cm", 91.44, 1, 98, 2, false, D, G},
    {A, " miles to kilometres", " km", 1.61, 1, 98, 2, false, D, G},
    {A, " centimetres to feet", " feet", 1, 30.48, 98, 2, false, D, F},
    {A, " centimetres to inches", " inches", 1, 2.54, 98, 2, false, D, F},
    {A, " centimetres to yards", " yards", 1, 91.44, 98, 2, false, D, F},
    {A, " kilometres to miles", " miles", 1, 1.61, 98, 2, false, D, F},
}};

constexpr std::span<const Conversion> rowsOf(Mode mode)
{
    const auto inMode = [mode](const Conversion& c) { return c.mode == mode; };
    const auto first = std::find_if(kConversions.begin(), kConversions.end(), inMode);
    const auto last = std::find_if_not(first, kConversions.end(), inMode);
    return {first, last};
}

static_assert(rowsOf(Mode::Metric).size() == 12);
static_assert(rowsOf(Mode::Imperial).size() == 20);
static_assert(rowsOf(Mode::Compound).size() == 6);
static_assert(rowsOf(Mode::MetricImperial).size() == 8);

template <typename Real>
std::string resultText(Real value, Form form)
{
    // A whole number divides by its whole part to exactly 1; the speeds tested this way are
    // always above 1, so the whole part is never 0.
    const bool general =
        form == Form::General || (form == Form::WholeOrTwoDecimals && value / std::floor(value) == Real(1));
    return general ? shell::numtext::general(value) : shell::numtext::fixed(value, "0.00");
}

template <typename Real>
void writeTexts(const Conversion& row, int n, Question& out)
{
    const Real quantity = row.askMultiple ? Real(n) * Real(row.per) : Real(n);
    const Real result = quantity * Real(row.times) / Real(row.per);
    out.question = shell::numtext::whole(static_cast<long long>(quantity));
    out.question += row.question;
    out.answer = resultText(result, row.form);
    out.answer += row.unit;
}

} // namespace

Reference referenceFor(Mode mode)
{
    switch (mode) {
    case Mode::Imperial:
        return Reference::Imperial;
    case Mode::MetricImperial:
        return Reference::Approximate;
    case Mode::Metric:
    case Mode::Compound:
        break;
    }
    return Reference::None;
}

Question calculate(Mode mode, shell::RandomSource& draws)
{
    draws.reseed();
    const auto rows = rowsOf(mode);
    Question out;
    out.mode = mode;
    out.reference = referenceFor(mode);
    out.row = shell::drawWhole(draws, static_cast<int>(rows.size()), 1);
    const Conversion& row = rows[static_cast<std::size_t>(out.row - 1)];
    const int n = shell::drawWhole(draws, row.count, row.first);
    if (row.precision == Precision::Single)
        writeTexts<float>(row, n, out);
    else
        writeTexts<double>(row, n, out);
    return out;
}

} // namespace units
