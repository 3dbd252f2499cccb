#include "ui/PrintModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace rv {

PrintSetupSheetEntry loadPrintModule(QString* reason) {
    static PrintSetupSheetEntry entry = nullptr;
    if (entry != nullptr) {
        return entry;
    }
    // Only beside the program itself: never from the library search path or
    // the working directory, where anybody may have put a file of that name.
    const QDir program(QCoreApplication::applicationDirPath());
    const QString folder = QStringLiteral(RV_PRINT_MODULE_FOLDER);
    QStringList tried;
    for (const QString& candidate :
         {QDir::cleanPath(program.filePath(QStringLiteral("../") + folder)),
          QDir::cleanPath(program.filePath(folder))}) {
        QLibrary module(QDir(candidate).filePath(QStringLiteral("rvprint")));
        if (module.load()) {
            entry = reinterpret_cast<PrintSetupSheetEntry>(module.resolve(printSetupSheetSymbol));
            if (entry != nullptr) {
                return entry; // stays loaded for the rest of the run
            }
        }
        tried << module.errorString();
    }
    if (reason != nullptr) {
        *reason = tried.join(QLatin1Char('\n'));
    }
    return nullptr;
}

} // namespace rv
