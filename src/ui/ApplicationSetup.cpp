#include "ui/ApplicationSetup.h"

#include "files/SettingsStore.h"
#include "ui/ApplicationIcon.h"
#include "ui/ApplicationStyle.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace rv {

namespace {

// On an X server the window icon is drawn at every size and sent to the
// window manager when the window is created, which costs about a tenth of the
// start-up. Nobody can see the icon before the window, so it is set right
// after the first window has painted.
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !queued_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            queued_ = true;
            // Queued: it runs once this paint has reached the screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(applicationIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool queued_ = false;
};

} // namespace

void setUpApplication() {
    SettingsStore::nameApplication();
    // The desktop entry's name, by which the desktop knows the window as the program's own.
    QGuiApplication::setDesktopFileName(QStringLiteral(RV_DESKTOP_ID));
    qApp->installEventFilter(new IconAfterFirstPaint(qApp));
    installApplicationStyle();
}

} // namespace rv
