// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;

namespace rv {

struct SetupSheet;

// How the sheet came out on its page.
struct SheetFit {
    bool painted = false;     // false when the device could not be painted on (a printer error)
    double contentHeight = 0; // in device units, before any shrinking
    double pageHeight = 0;
    double scale = 1.0; // below 1 when the content had to shrink to fit one page
};

// The sheet's page, A4 upright with 12 mm margins, for the printer and the PDF alike.
QPageLayout setupSheetPageLayout();

// Draws the sheet on one page of the device (a printer or a PDF writer),
// inside its margins.
SheetFit paintSetupSheet(QPagedPaintDevice& device, const SetupSheet& sheet);

// The sheet as a one-page A4 PDF document.
QByteArray setupSheetPdf(const SetupSheet& sheet, SheetFit* fit = nullptr);

} // namespace rv
