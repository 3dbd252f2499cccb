// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

#include <optional>

namespace rv {

class CurveEditor;

// CurveTools: one button beside the curve whose menu holds the presets and
// tools for the selected curve. Each entry is one edit of the curve; its menu
// is built when first opened, so the button costs the start-up next to nothing.
class CurveToolButton : public QPushButton {
    Q_OBJECT
public:
    explicit CurveToolButton(CurveEditor& editor, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void enableEntries();
    // A number asked from the pilot, min..max; nothing when cancelled or refused.
    std::optional<int> askNumber(const QString& label, int defaultValue, int min, int max);
    // Asks a value in the curve's shown units, offering the middle point.
    std::optional<int> askPointValue(const QString& label);
    void applyFlat();
    void applyV();
    void applyExpo();

    CurveEditor& editor_;
    QList<QAction*> copyEntries_;
};

} // namespace rv
