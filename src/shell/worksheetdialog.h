// "Worksheet…" of the lesson tools: the activity on show as a worksheet on paper. The teacher
// picks the activity and mode (the screen's own come chosen) and the number of questions, then
// saves a PDF or prints. The sheet comes from chalkface-sheet's engine with its answer key, made
// from a fresh seed that every page's footer prints, so chalkface-sheet --seed makes it again.
#pragma once

#include "shell/core/activity.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QPrinter;
class QSpinBox;

namespace shell {

class WorksheetDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultCount = 10;
    static constexpr int kMostQuestions = 200;

    WorksheetDialog(QWidget* parent, const Activity& activity, int mode);

    const Activity& activity() const;
    int mode() const;
    int count() const;

    // Asks where to save the PDF, from a suggested path; an empty answer saves nothing. A file
    // dialog unless replaced (tests answer at once).
    std::function<QString(const QString& suggested)> askForFile;
    // Lets the teacher choose and set up the printer; false prints nothing. The system's print
    // dialog unless replaced.
    std::function<bool(QPrinter& printer)> askToPrint;

    // The seed of the sheet last saved or printed.
    std::optional<std::uint64_t> lastSeed() const { return m_lastSeed; }

private:
    void fillModes(int chosen);
    void savePdf();
    void print();
    std::vector<Exercise> makeSheet();

    QComboBox* m_activities;
    QComboBox* m_modes;
    QSpinBox* m_count;
    std::optional<std::uint64_t> m_lastSeed;
};

} // namespace shell
