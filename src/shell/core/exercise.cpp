#include "shell/core/exercise.h"

#include <algorithm>

namespace shell {
namespace {

Line cellRow(const std::vector<std::string>& cells, int highlighted, double cellWidth)
{
    Line row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        row.text += (i > 0 ? ", " : "") + cells[i];
        Cell cell{cells[i], cellWidth * static_cast<double>(i), cellWidth};
        if (static_cast<int>(i) == highlighted)
            cell.colour = colour::orange;
        row.cells.push_back(std::move(cell));
    }
    return row;
}

std::vector<Line> cellRows(const std::vector<std::string>& cells, int highlighted, std::size_t perRow,
                           double cellWidth)
{
    std::vector<Line> rows;
    for (std::size_t first = 0; first < cells.size(); first += perRow) {
        const auto from = cells.begin() + static_cast<std::ptrdiff_t>(first);
        const auto to = cells.begin() + static_cast<std::ptrdiff_t>(std::min(cells.size(), first + perRow));
        const int inRow = highlighted - static_cast<int>(first);
        rows.push_back(
            cellRow({from, to}, inRow >= 0 && inRow < static_cast<int>(perRow) ? inRow : -1, cellWidth));
    }
    return rows;
}

Json texts(const std::vector<std::string>& lines)
{
    return Json::list(lines);
}

} // namespace

Line threeCellRow(const std::vector<std::string>& cells, int highlighted)
{
    return cellRow(cells, highlighted, 3240);
}

Line twoCellRow(const std::vector<std::string>& cells, int highlighted)
{
    return cellRow(cells, highlighted, 4860);
}

std::vector<Line> threeCellRows(const std::vector<std::string>& cells, int highlighted)
{
    return cellRows(cells, highlighted, 3, 3240);
}

std::vector<Line> twoCellRows(const std::vector<std::string>& cells, int highlighted)
{
    return cellRows(cells, highlighted, 2, 4860);
}

void setStandardFields(Exercise& exercise, Json data)
{
    Json::Array question;
    for (const Line& line : exercise.question)
        question.emplace_back(line.text);
    for (const std::string& line : exercise.described)
        question.emplace_back(line);
    Json::Array working;
    for (const Line& line : exercise.working)
        working.emplace_back(line.text);
    exercise.fields = {
        {"instruction", exercise.instruction},
        {"question", std::move(question)},
        {"answer", texts(exercise.answer)},
        {"solution", std::move(working)},
        {"data", std::move(data)},
    };
}

} // namespace shell
