#include "sheet/sheetwriters.h"

#include "sheet/sheetoptions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <variant>

namespace sheet {
namespace {

constexpr int kTextColumns = 78;

int characterCount(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xc0) != 0x80)
            ++count;
    }
    return count;
}

std::string trimmedRight(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

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

void writeJsonLine(std::ostream& out, const shell::Activity& activity, int mode, const shell::Exercise& exercise)
{
    std::string line = "{\"activity\":" + shell::jsonString(activity.sheet) + ",\"mode\":";
    line += activity.modes.empty() ? "null" : shell::jsonString(activity.modes[static_cast<std::size_t>(mode)].sheetName);
    for (const auto& [key, value] : exercise.fields) {
        line += "," + shell::jsonString(key) + ":";
        value.dumpTo(line);
    }
    out << line << "}\n";
}

std::vector<std::string> questionLines(const shell::Exercise& exercise, std::string_view sheetInstruction)
{
    std::vector<std::string> lines;
    const bool ownInstruction = !exercise.instruction.empty() && exercise.instruction != sheetInstruction;
    if (ownInstruction)
        lines.push_back(exercise.instruction);
    const std::string indent = ownInstruction ? "  " : "";
    for (const shell::Line& line : exercise.question)
        lines.push_back(indent + line.text);
    for (const std::string& line : exercise.described)
        lines.push_back(indent + line);
    return lines;
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

TextWriter::TextWriter(std::ostream& out, const shell::Activity& activity, int mode, int count)
    : m_out(out)
    , m_numberWidth(static_cast<int>(std::to_string(count).size()))
{
    m_out << sheetTitle(activity, mode) << "\n\n";
    const shell::SheetIntro intro = activity.intro ? activity.intro(mode) : shell::SheetIntro{};
    m_instruction = intro.instruction;
    if (!intro.instruction.empty())
        m_out << intro.instruction << "\n\n";
    if (!intro.factsHeading.empty()) {
        m_out << intro.factsHeading << ":\n";
        for (const std::string& fact : intro.facts)
            m_out << "  " << fact << "\n";
        m_out << "\n";
    }
    if (!intro.textFigure.empty())
        m_out << intro.textFigure << "\n";
}

void TextWriter::add(const shell::Exercise& exercise)
{
    ++m_added;
    writeNumbered(m_out, m_added, m_numberWidth, questionLines(exercise, m_instruction));
    m_out << "\n";
    std::vector<std::string> answer = exercise.answer;
    for (const shell::Line& line : exercise.working)
        answer.push_back(line.text);
    m_answers.push_back(std::move(answer));
}

void TextWriter::finish()
{
    m_out << "Answers\n\n";
    for (std::size_t i = 0; i < m_answers.size(); ++i)
        writeNumbered(m_out, static_cast<int>(i) + 1, m_numberWidth, m_answers[i]);
}

} // namespace sheet
