// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <array>

namespace rv {

class PresetCheckBox;

// The frame Preselect with the preset boxes Vorwahl(1..4).
class PresetPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int Count = 4;

    explicit PresetPanel(QWidget* parent = nullptr);

    // Vorwahl(index), index 1..4.
    PresetCheckBox* box(int index) const;

Q_SIGNALS:
    void presetPressed(int index);
    void presetReleased(int index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::array<PresetCheckBox*, Count> boxes_{};
};

} // namespace rv
