#include "shell/core/exercise.h"

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
