#include "ui/ApplicationSetup.h"

#include "ui/ApplicationIcon.h"
#include "ui/ApplicationStyle.h"

#include <QApplication>

namespace rv {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Rotavionix Control"));
    QApplication::setOrganizationName(QStringLiteral("VORANE"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(RV_VERSION_MAJOR)
                                            .arg(RV_VERSION_MINOR)
                                            .arg(RV_VERSION_PATCH));
    QApplication::setWindowIcon(applicationIcon());
    installApplicationStyle();
}

} // namespace rv
