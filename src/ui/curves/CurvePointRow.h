// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLineEdit;

namespace rv {

class CurveEditor;

// The row of eleven fields under the curve picture (CurvePoint_0..10), each
// under its column, showing the point's value as the value axis does (empty
// for a removed point). A value typed and confirmed with Enter or by leaving
// the field sets the point; clearing the field removes it.
class CurvePointRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int Count = 11;

    explicit CurvePointRow(CurveEditor& editor, QWidget* parent = nullptr);

    QLineEdit* field(int column) const { return fields_.at(static_cast<std::size_t>(column)); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the editor's points, leaving alone a field the pilot is typing in.
    void showPoints();
    void takeTypedValue(int column);
    void placeFields();
    void nameFields();

    CurveEditor& editor_;
    std::array<QLineEdit*, Count> fields_{};
};

} // namespace rv
