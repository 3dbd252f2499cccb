// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

namespace rv {

// A preset box Vorwahl_<n>. Pressing it with any mouse button (or Space)
// reports presetPressed before the box toggles, releasing reports presetReleased before
// the box's own click handling toggles it. A click that had no press of its
// own (an accessibility action, click() from code) reports both first.
class PresetCheckBox : public QCheckBox {
    Q_OBJECT
public:
    PresetCheckBox(int index, const QString& text, QWidget* parent = nullptr);

    int index() const { return index_; }

Q_SIGNALS:
    void presetPressed(int index);
    void presetReleased(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void nextCheckState() override;

private:
    int index_;
    bool pressReported_ = false;
};

} // namespace rv
