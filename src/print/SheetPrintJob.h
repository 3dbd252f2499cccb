#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace rv {

// What the print module needs from the window to print the setup sheet. The
// module holds the printer and its dialog, so that Qt's print support is
// loaded when the pilot prints, not with every start of the program.
struct SheetPrintJob {
    QWidget* parent = nullptr;
    QString documentName;
    QPageLayout pageLayout;
    // Set by the tests instead of the dialog: empty cancels, a path prints
    // to a PDF file there.
    std::optional<QString> answer;
    // Paints the sheet on the printer's page; false when it could not.
    std::function<bool(QPagedPaintDevice&)> paint;
};

enum class SheetPrintOutcome { Cancelled, Printed, Failed };

// The module's one entry point, looked up by this name.
using PrintSetupSheetEntry = void (*)(const SheetPrintJob* job, SheetPrintOutcome* outcome);
inline constexpr char printSetupSheetSymbol[] = "rvPrintSetupSheet";

} // namespace rv
