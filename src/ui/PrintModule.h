#pragma once

#include "print/SheetPrintJob.h"

#include <QString>

namespace rv {

// The print module's entry point, loaded on the first print from beside the
// program (the folder it is installed in, or the build tree); nullptr with
// the reason when it cannot be loaded.
PrintSetupSheetEntry loadPrintModule(QString* reason);

} // namespace rv
