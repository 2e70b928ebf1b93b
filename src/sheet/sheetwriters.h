// The worksheet's plain outputs: text for a terminal and JSON Lines for other programs. Both
// take the questions one at a time, so a long sheet is written as it is made.
#pragma once

#include "shell/core/activity.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

// One question as one JSON object on one line, newline included: the activity, the mode (null
// for an activity without modes), then the question's own fields.
void writeJsonLine(std::ostream& out, const shell::Activity& activity, int mode, const shell::Exercise& exercise);

// The title, what the sheet prints once, the numbered questions as they are added, then their
// answers (and working) under an "Answers" heading; only the answers are kept until finish().
class TextWriter {
public:
    TextWriter(std::ostream& out, const shell::Activity& activity, int mode, int count);

    void add(const shell::Exercise& exercise);
    void finish();

private:
    std::ostream& m_out;
    std::string m_instruction; // the sheet's own, which its questions do not repeat
    int m_numberWidth = 1;     // digits of the largest question number
    int m_added = 0;
    std::vector<std::vector<std::string>> m_answers;
};

// Breaks a text into lines of at most `columns` characters (counting UTF-8 characters, not
// bytes) at blanks; a word longer than a line stands on a line of its own.
std::vector<std::string> wrapText(std::string_view text, int columns);

// The question's lines on a text sheet: its instruction, unless the sheet gave it once for all,
// then its question and described lines, indented under an instruction.
std::vector<std::string> questionLines(const shell::Exercise& exercise, std::string_view sheetInstruction);

} // namespace sheet
