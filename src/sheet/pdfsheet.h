// The printable worksheet: an A4 PDF with a title, the numbered questions laid out for pupils
// to write on (each figure beside its question), and the answer key starting on a page of its
// own with the working and the figures in their solution state. Figures are painted by the
// screens' own drawing painter. Needs a QGuiApplication.
#pragma once

#include "shell/core/activity.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace sheet {

struct PdfSettings {
    QString fontFamily = QStringLiteral("Tahoma");
    // The PDF records when it was made; a reproducible sheet records a fixed date instead
    // (1 January 1970, 00:00 UTC), so that the same seed gives the same bytes.
    bool fixedDate = false;
    // Printed in every page's footer, so that chalkface-sheet --seed makes the same sheet again.
    std::optional<std::uint64_t> seed;
};

// The resolution a worksheet is laid out at, in dots per inch.
inline constexpr int kDotsPerInch = 600;

// Paints the worksheet on pages set up as the PDF's are: A4, the whole sheet (no margins) at
// kDotsPerInch; a printer's, say.
void paintWorksheet(QPagedPaintDevice& device, const shell::Activity& activity, int mode,
                    const std::vector<shell::Exercise>& items, const PdfSettings& settings);

QByteArray pdfWorksheet(const shell::Activity& activity, int mode, const std::vector<shell::Exercise>& items,
                        const PdfSettings& settings);

} // namespace sheet
