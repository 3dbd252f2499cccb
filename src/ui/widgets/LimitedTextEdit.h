// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace rv {

// A plain-text field that holds at most maxLength characters, counted as the
// file's comment field stores them: every line break as CR LF, two characters.
// Typed, pasted, dropped and composed text is shortened before it reaches the
// document, so that undo and redo stay plain; text set from code is cut
// afterwards. A loaded comment is never cut (showLoadedText).
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    LimitedTextEdit(int maxLength, QWidget* parent);

    // Shows a loaded comment whole. One with lone CR or LF line ends that fits
    // the field only so (a file from Unix) is from then on measured with every
    // line break as one character, as a save then stores it.
    void showLoadedText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    int storedLength(QStringView text) const;
    // The longest start of text that takes at most room characters in the file.
    QString fitting(const QString& text, int room) const;
    int length() const;
    int room() const;
    void cutExcess();

    int maxLength_;
    int lineBreakLength_ = 2;
    int insertEnd_ = 0;
};

} // namespace rv
