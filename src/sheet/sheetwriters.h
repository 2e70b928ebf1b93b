// The worksheet's plain outputs: text for a terminal and JSON Lines for other programs. Both
// take the questions one at a time, so a long sheet is written as it is made.
#pragma once

#include "sheet/sheetquestions.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

// A JSON string literal, quotes included. UTF-8 passes through unchanged; quotes, backslashes
// and control characters are escaped, and a byte that is not part of valid UTF-8 becomes
// U+FFFD, so the result is always valid JSON.
std::string jsonString(std::string_view utf8);

// One question as one JSON object on one line, newline included.
void writeJsonLine(std::ostream& out, Activity activity, int mode, const Item& item);

// Numbered questions, then the answers under an "Answers" heading. Questions are written as
// they are added; only their answers are kept until finish().
class TextWriter {
public:
    TextWriter(std::ostream& out, Activity activity, int mode, int count);

    void add(const Item& item);
    void finish();

private:
    std::ostream& m_out;
    int m_numberWidth = 1; // digits of the largest question number
    int m_added = 0;
    std::vector<std::vector<std::string>> m_answers;
};

// Breaks a text into lines of at most `columns` characters (counting UTF-8 characters, not
// bytes) at blanks; a word longer than a line stands on a line of its own.
std::vector<std::string> wrapText(std::string_view text, int columns);

} // namespace sheet
