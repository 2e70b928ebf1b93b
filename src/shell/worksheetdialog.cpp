#include "shell/worksheetdialog.h"

#include "registry/registry.h"
#include "sheet/pdfsheet.h"
#include "sheet/seed.h"
#include "sheet/sheetoptions.h"
#include "shell/toolkit/platform.h"
#include "shell/toolkit/units.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace shell {
namespace {

// The settings both outputs share: chalkface-sheet's fonts and the seed for the footer.
sheet::PdfSettings settingsFor(std::uint64_t seed)
{
    sheet::PdfSettings settings;
    settings.fontFamily = registerFonts();
    settings.seed = seed;
    return settings;
}

} // namespace

WorksheetDialog::WorksheetDialog(QWidget* parent, const Activity& activity, int mode)
    : QDialog(parent)
    , m_activities(new QComboBox(this))
    , m_modes(new QComboBox(this))
    , m_count(new QSpinBox(this))
{
    setObjectName(QStringLiteral("worksheet"));
    setWindowTitle(tr("Worksheet"));
    m_activities->setObjectName(QStringLiteral("activity"));
    m_modes->setObjectName(QStringLiteral("mode"));
    m_count->setObjectName(QStringLiteral("count"));
    const auto all = registry::activities();
    for (const Activity* each : all) {
        m_activities->addItem(qtext(each->caption));
        if (each == &activity)
            m_activities->setCurrentIndex(m_activities->count() - 1);
    }
    fillModes(mode);
    connect(m_activities, &QComboBox::currentIndexChanged, this, [this] { fillModes(0); });
    m_count->setRange(1, kMostQuestions);
    m_count->setValue(kDefaultCount);

    auto* form = new QFormLayout;
    form->addRow(tr("Activity"), m_activities);
    form->addRow(tr("Mode"), m_modes);
    form->addRow(tr("Questions"), m_count);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(tr("Save as PDF\u2026"), QDialogButtonBox::ActionRole);
    QPushButton* print = buttons->addButton(tr("Print\u2026"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    save->setObjectName(QStringLiteral("savePdf"));
    print->setObjectName(QStringLiteral("print"));
    close->setObjectName(QStringLiteral("close"));
    connect(save, &QPushButton::clicked, this, &WorksheetDialog::savePdf);
    connect(print, &QPushButton::clicked, this, &WorksheetDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    askForFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save the worksheet"), suggested, tr("PDF (*.pdf)"));
    };
    askToPrint = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

const Activity& WorksheetDialog::activity() const
{
    return *registry::activities()[static_cast<std::size_t>(m_activities->currentIndex())];
}

int WorksheetDialog::mode() const
{
    return std::max(0, m_modes->currentIndex());
}

int WorksheetDialog::count() const
{
    return m_count->value();
}

void WorksheetDialog::fillModes(int chosen)
{
    m_modes->clear();
    for (const Mode& each : activity().modes)
        m_modes->addItem(qtext(each.title()));
    m_modes->setEnabled(m_modes->count() > 0);
    if (chosen < m_modes->count())
        m_modes->setCurrentIndex(chosen);
}

std::vector<Exercise> WorksheetDialog::makeSheet()
{
    m_lastSeed = sheet::drawSeed();
    return sheet::seededQuestions(activity(), mode(), count(), *m_lastSeed);
}

void WorksheetDialog::savePdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = qtext(activity().sheet);
    if (!activity().modes.empty())
        name += QLatin1Char('-') + qtext(activity().modes[static_cast<std::size_t>(mode())].sheetName);
    const QString path = askForFile(QDir(folder).filePath(name + QStringLiteral(".pdf")));
    if (path.isEmpty())
        return;
    try {
        const std::vector<Exercise> items = makeSheet();
        const QByteArray pdf = sheet::pdfWorksheet(activity(), mode(), items, settingsFor(*m_lastSeed));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
            throw std::runtime_error(tr("%1 could not be written: %2").arg(path, file.errorString()).toStdString());
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    }
}

void WorksheetDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qtext(sheet::sheetTitle(activity(), mode())));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    if (!askToPrint(printer))
        return;
    // The print dialog may have changed them; the sheet is laid out on these.
    printer.setFullPage(true);
    printer.setResolution(sheet::kDotsPerInch);
    try {
        const std::vector<Exercise> items = makeSheet();
        sheet::paintWorksheet(printer, activity(), mode(), items, settingsFor(*m_lastSeed));
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.what()));
    }
}

} // namespace shell
