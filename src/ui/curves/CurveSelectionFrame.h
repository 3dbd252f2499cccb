// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace rv {

class CurveEditor;

// fraKurvenauswahl: the six curve options Kurvenauswahl_0..5. Options 0 and 2
// share one place; which of them shows depends on the heli type.
class CurveSelectionFrame : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int Count = 6;

    CurveSelectionFrame(CurveEditor& editor, QWidget* parent = nullptr);

    QRadioButton* option(int index) const;
    // Selects an option; like a click, this takes up the curve unless the
    // option was already selected.
    void select(int index);
    // Shows curve `index` selected without taking it up in the editor.
    void show(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QButtonGroup* group_ = nullptr;
};

} // namespace rv
