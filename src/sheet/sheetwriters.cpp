#include "sheet/sheetwriters.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <variant>

namespace sheet {
namespace {

constexpr int kTextColumns = 78;
constexpr std::string_view kHiddenValue = "?";
constexpr std::string_view kReplacementCharacter = "\\ufffd";

// The figure every parallel lines question refers to: the transversal crosses the upper line
// with a above-left, b above-right, c below-left and d below-right, and the lower line likewise
// with e to h. The arrowheads mark the lines as parallel.
constexpr std::string_view kParallelFigure = "                             /\n"
                                             "                         a  /  b\n"
                                             "          ---->------------/----------------\n"
                                             "                        c /  d\n"
                                             "                         /\n"
                                             "                        /\n"
                                             "                    e  /  f\n"
                                             "          ------------/------------>--------\n"
                                             "                   g /  h\n"
                                             "                    /\n";

// The length of the valid UTF-8 sequence starting at `at`, or 0 if the bytes there are not one.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0)
            low = 0xa0;
        if (lead == 0xed)
            high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0)
            low = 0x90;
        if (lead == 0xf4)
            high = 0x8f;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf)
            return 0;
    }
    return length;
}

int characterCount(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xc0) != 0x80)
            ++count;
    }
    return count;
}

std::string joined(const std::array<std::string, 5>& values, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? std::string(separator) : std::string()) + values[i];
    return text;
}

std::string trimmedRight(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// JSON Lines fields, written in the order they are added.
class JsonObject {
public:
    JsonObject& text(std::string_view key, std::string_view value) { return raw(key, jsonString(value)); }
    JsonObject& optionalText(std::string_view key, const std::optional<std::string>& value)
    {
        return raw(key, value ? jsonString(*value) : "null");
    }
    JsonObject& number(std::string_view key, int value) { return raw(key, std::to_string(value)); }
    template <typename Texts>
    JsonObject& texts(std::string_view key, const Texts& values)
    {
        std::string list = "[";
        for (const auto& value : values)
            list += (list.size() > 1 ? "," : "") + jsonString(value);
        return raw(key, list + "]");
    }
    JsonObject& raw(std::string_view key, std::string_view json)
    {
        m_json += (m_json.size() > 1 ? "," : "") + jsonString(key) + ":" + std::string(json);
        return *this;
    }
    std::string line() const { return m_json + "}\n"; }

private:
    std::string m_json = "{";
};

struct JsonFields {
    JsonObject& object;

    void operator()(const estimation::Question& q) const
    {
        object.number("kind", q.kind)
            .text("instruction", q.instruction)
            .text("question", q.question)
            .text("answer", q.answer)
            .optionalText("result", q.result);
    }
    void operator()(const mappings::Question& q) const
    {
        object.number("kind", q.kind)
            .text("rule", q.rule)
            .texts("domain", q.domain)
            .texts("range", q.range)
            .text("hidden", q.hidden == mappings::Column::Domain ? "domain" : "range");
    }
    void operator()(const units::Question& q) const
    {
        const std::string_view caption = units::referenceFrame(q.reference).caption;
        object.number("row", q.row)
            .text("question", q.question)
            .text("answer", q.answer)
            .raw("reference", caption.empty() ? "null" : jsonString(caption));
    }
    void operator()(const ParallelLinesItem& item) const
    {
        object.number("given", item.question.given)
            .texts("labels", item.question.captions)
            .text("question", item.question.question)
            .texts("answer", item.answer);
    }
    void operator()(const PolygonItem& item) const
    {
        object.number("kind", item.kind)
            .number("sides", item.question.polygon.sides)
            .text("question", item.question.question)
            .texts("solution", item.solution);
    }
};

// The question's lines on a text sheet (each wrapped later) and its answer lines.
struct TextLines {
    std::vector<std::string> question;
    std::vector<std::string> answer;
};

struct TextFields {
    TextLines& lines;

    void operator()(const estimation::Question& q) const
    {
        lines.question = {q.instruction, "  " + q.question};
        lines.answer = {q.result ? q.answer + " " + *q.result : q.answer};
    }
    void operator()(const mappings::Question& q) const
    {
        std::array<std::string, 5> blanks;
        blanks.fill(std::string(kHiddenValue));
        const bool domainHidden = q.hidden == mappings::Column::Domain;
        lines.question = {"x \u2192 " + q.rule, "Domain: " + joined(domainHidden ? blanks : q.domain, ", "),
                          "Range:  " + joined(domainHidden ? q.range : blanks, ", ")};
        lines.answer = {domainHidden ? "Domain: " + joined(q.domain, ", ")
                                     : "Range: " + joined(q.range, ", ")};
    }
    void operator()(const units::Question& q) const
    {
        lines.question = {q.question};
        lines.answer = {q.answer};
    }
    void operator()(const ParallelLinesItem& item) const
    {
        lines.question = {item.question.question};
        lines.answer = {item.answer[0], item.answer[1]};
    }
    void operator()(const PolygonItem& item) const
    {
        lines.question = {item.question.question};
        lines.answer = item.solution;
    }
};

void writeNumbered(std::ostream& out, int number, int numberWidth, const std::vector<std::string>& lines)
{
    std::string label = std::to_string(number) + ".";
    label.insert(0, static_cast<std::size_t>(numberWidth + 1) - label.size(), ' ');
    const std::string indent(label.size() + 1, ' ');
    const int columns = kTextColumns - static_cast<int>(indent.size());
    bool first = true;
    for (const std::string& paragraph : lines) {
        // Keep a paragraph's own leading blanks (the estimation number stands indented).
        const std::size_t lead = std::min(paragraph.find_first_not_of(' '), paragraph.size());
        const std::string extra(lead, ' ');
        for (const std::string& line :
             wrapText(std::string_view(paragraph).substr(lead), columns - static_cast<int>(lead))) {
            out << (first ? label + " " : indent) << extra << line << "\n";
            first = false;
        }
    }
}

} // namespace

std::string jsonString(std::string_view utf8)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const std::size_t length = sequenceLength(utf8, i);
        if (length == 0) {
            json += kReplacementCharacter;
            ++i;
            continue;
        }
        if (length > 1) {
            json.append(utf8.substr(i, length));
            i += length;
            continue;
        }
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        case '\b':
            json += "\\b";
            break;
        case '\f':
            json += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                json += escaped;
            } else {
                json += c;
            }
        }
        ++i;
    }
    return json + "\"";
}

void writeJsonLine(std::ostream& out, Activity activity, int mode, const Item& item)
{
    const ActivityInfo& info = activityInfo(activity);
    JsonObject object;
    object.text("activity", info.name);
    if (info.modes.empty())
        object.raw("mode", "null");
    else
        object.text("mode", info.modes[static_cast<std::size_t>(mode)].name);
    std::visit(JsonFields{object}, item);
    out << object.line();
}

std::vector<std::string> wrapText(std::string_view text, int columns)
{
    // Words are split at single blanks, so runs of blanks inside a line stay as they are.
    std::vector<std::string> words;
    for (std::size_t at = 0;;) {
        const std::size_t blank = text.find(' ', at);
        words.emplace_back(text.substr(at, blank == std::string_view::npos ? blank : blank - at));
        if (blank == std::string_view::npos)
            break;
        at = blank + 1;
    }

    std::vector<std::string> lines;
    std::string line = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) {
        const bool started = line.find_first_not_of(' ') != std::string::npos;
        if (started && !words[i].empty() && characterCount(line) + 1 + characterCount(words[i]) > columns) {
            lines.push_back(trimmedRight(line));
            line = words[i];
        } else {
            line += " " + words[i];
        }
    }
    lines.push_back(trimmedRight(line));
    return lines;
}

TextWriter::TextWriter(std::ostream& out, Activity activity, int mode, int count)
    : m_out(out)
    , m_numberWidth(static_cast<int>(std::to_string(count).size()))
{
    m_out << sheetTitle(activity, mode) << "\n\n";
    if (const std::string_view instruction = sheetInstruction(activity); !instruction.empty())
        m_out << instruction << "\n\n";
    if (activity == Activity::Units) {
        const units::ReferenceFrame frame =
            units::referenceFrame(units::referenceFor(static_cast<units::Mode>(mode + 1)));
        if (!frame.caption.empty()) {
            m_out << frame.caption << ":\n";
            for (const units::ReferenceFact& fact : frame.facts)
                m_out << "  " << fact.caption << "\n";
            m_out << "\n";
        }
    } else if (activity == Activity::ParallelLines) {
        m_out << kParallelFigure << "\n";
    }
}

void TextWriter::add(const Item& item)
{
    TextLines lines;
    std::visit(TextFields{lines}, item);
    ++m_added;
    writeNumbered(m_out, m_added, m_numberWidth, lines.question);
    m_out << "\n";
    m_answers.push_back(std::move(lines.answer));
}

void TextWriter::finish()
{
    m_out << "Answers\n\n";
    for (std::size_t i = 0; i < m_answers.size(); ++i)
        writeNumbered(m_out, static_cast<int>(i) + 1, m_numberWidth, m_answers[i]);
}

} // namespace sheet
