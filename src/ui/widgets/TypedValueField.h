// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QSlider;

namespace rv {

// Lets the pilot type a slider's value in the units shown: Enter or F2 on the
// slider opens an edit field over it. positionsPerUnit converts the typed
// value to a position (10 for seconds on a slider of tenths).
void enableValueTyping(QSlider* slider, int positionsPerUnit = 1);

// The one edit field of a window, made the first time a value is typed.
// Enter moves the slider (so the row writes the value as a slider move
// does), Escape or leaving the field changes nothing, and a value that is no
// number or outside the slider's range is refused with a message.
class TypedValueField : public QFrame {
    Q_OBJECT
public:
    explicit TypedValueField(QWidget* window);

    // The window's field, made on first use.
    static TypedValueField* of(QWidget* window);

    void open(QSlider* slider, int positionsPerUnit);
    QLineEdit* edit() const { return edit_; }
    QString message() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commit();
    void close(bool giveFocusBack);
    void place();
    QString shown(double position) const;

    QLineEdit* edit_;
    QLabel* message_;
    QSlider* slider_ = nullptr;
    int positionsPerUnit_ = 1;
};

} // namespace rv
