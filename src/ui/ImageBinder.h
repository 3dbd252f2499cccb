#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace rv {

class ChannelPage;
class GeneralPage;
class GovernorSpeedRows;
class PortSelection;
struct Setup;

// Moves the Parameter image into the controls (ApplyImage, after a file was
// read) and completes it from the window (CollectImage, before it is saved,
// sent or compared). Controls are set through their own change handling, as
// a user would set them, in a fixed order.
class ImageBinder : public QObject {
    Q_OBJECT
public:
    ImageBinder(Setup& set, QWidget* window, GeneralPage& general, GovernorSpeedRows& speeds,
                ChannelPage& channels, QObject* parent = nullptr);

    void setPortSelection(PortSelection* ports) { ports_ = ports; }

    // False, changing nothing, when an entry has no control to show it
    // (firstUnshowableEntry); a file's loader checks that before adopting it.
    bool ApplyImage();
    // Redraws the curve editor for the loaded set (the last step of a load).
    void ShowCurves();

private:
    template <typename T> T* control(const QString& name) const;
    void setSlider(const char* name, int position) const;
    void setPercentSlider(int index, int byte) const;
    void selectOption(const char* group, int index) const;

    Setup& set_;
    QWidget* window_;
    GeneralPage& general_;
    GovernorSpeedRows& speeds_;
    ChannelPage& channels_;
    PortSelection* ports_ = nullptr;
    mutable QHash<QString, QObject*> controls_;
};

} // namespace rv
