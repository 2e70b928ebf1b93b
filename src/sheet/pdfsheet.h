// The printable worksheet: an A4 PDF with a title, the numbered questions laid out for pupils
// to write on (each figure beside its question), and the answer key starting on a page of its
// own with the working and the figures in their solution state. Figures are painted by the
// screens' own drawing painter. Needs a QGuiApplication.
#pragma once

#include "shell/core/activity.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace sheet {

struct PdfSettings {
    QString fontFamily = QStringLiteral("Tahoma");
    // The PDF records when it was made; a reproducible sheet records a fixed date instead
    // (1 January 1970, 00:00 UTC), so that the same seed gives the same bytes.
    bool fixedDate = false;
};

QByteArray pdfWorksheet(const shell::Activity& activity, int mode, const std::vector<shell::Exercise>& items,
                        const PdfSettings& settings);

} // namespace sheet
