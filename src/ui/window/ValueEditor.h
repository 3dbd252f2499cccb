// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rv {

struct Setup;

// Service frame ParaEdit: reads and writes any image byte 0..69 by index,
// straight into the image; the window then shows the setup again. Hidden
// until the window shows it.
class ValueEditor : public QGroupBox {
    Q_OBJECT
public:
    explicit ValueEditor(Setup& set, QWidget* parent = nullptr);

    int entryIndex() const { return entryIndex_; }

    void showNextEntry();
    void showPreviousEntry();
    // Writes the number in TPara to the image at ParaEd; also run by Enter.
    void writeEntry();
    void closeEditor();

    // Shows ParaEd and its current byte.
    void refresh();
    // The last rejection reason, empty after a successful write.
    QString message() const;

    // The byte a text stands for in the given locale: a decimal number rounded
    // half to even, 0..255; nothing for anything else.
    static std::optional<int> parseByte(const QString& text, const QLocale& locale);

Q_SIGNALS:
    void byteWritten(int index);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Escape closes the editor as a double-click on its free area does.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Setup& set_;
    int entryIndex_ = 0;
    QLabel* indexLabel_;
    QLineEdit* valueText_;
    QPushButton* up_;
    QPushButton* down_;
    QLabel* message_;
};

} // namespace rv
