// The print module: the only code that links Qt's print support.
#include "print/SheetPrintJob.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void rvPrintSetupSheet(const rv::SheetPrintJob* job,
                                                rv::SheetPrintOutcome* outcome) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(job->pageLayout);
    printer.setDocName(job->documentName);
    if (job->answer) {
        if (job->answer->isEmpty()) {
            *outcome = rv::SheetPrintOutcome::Cancelled;
            return;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*job->answer);
    } else {
        QPrintDialog dialog(&printer, job->parent);
        if (dialog.exec() != QDialog::Accepted) {
            *outcome = rv::SheetPrintOutcome::Cancelled;
            return;
        }
    }
    const bool painted = job->paint(printer);
    *outcome = painted && printer.printerState() != QPrinter::Error ? rv::SheetPrintOutcome::Printed
                                                                    : rv::SheetPrintOutcome::Failed;
}
