// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/LimitedTextEdit.h"

#include "core/format/ParameterRecord.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

namespace rv {

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength) {
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { insertEnd_ = position + added; });
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::cutExcess);
}

void LimitedTextEdit::showLoadedText(const QString& text) {
    lineBreakLength_ = 2;
    if (storedLength(text) > maxLength_) {
        lineBreakLength_ = 1;
    }
    setPlainText(text);
}

int LimitedTextEdit::storedLength(QStringView text) const {
    int length = 0;
    for (const QChar c : text) {
        length += storedCommentLength(c) == 2 ? lineBreakLength_ : 1;
    }
    return length;
}

QString LimitedTextEdit::fitting(const QString& text, int room) const {
    qsizetype count = 0;
    for (int used = 0; count < text.size(); ++count) {
        used += storedLength(QStringView(text).mid(count, 1));
        if (used > room) {
            break;
        }
    }
    return text.left(count);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool commandKey = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool lineBreak = text == QStringLiteral("\r");
    const bool inserts = !text.isEmpty() && !commandKey && (text.at(0).isPrint() || lineBreak);
    const int needed = lineBreak ? lineBreakLength_ : storedLength(text);
    if (inserts && needed > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMimeData limited;
    limited.setText(fitting(text, room()));
    QPlainTextEdit::insertFromMimeData(&limited);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (storedLength(commit) > room()) {
        QInputMethodEvent limited(event->preeditString(), event->attributes());
        limited.setCommitString(fitting(commit, room()), event->replacementStart(),
                                event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&limited);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

int LimitedTextEdit::length() const {
    return storedLength(document()->toRawText());
}

int LimitedTextEdit::room() const {
    return std::max(0, maxLength_ - (length() - storedLength(textCursor().selectedText())));
}

void LimitedTextEdit::cutExcess() {
    const int excess = length() - maxLength_;
    if (excess <= 0) {
        return;
    }
    // What does not fit is cut from the end of what was just inserted.
    // Document positions match the characters of the raw text one to one.
    const QString text = document()->toRawText();
    const auto startFor = [this, &text, excess](qsizetype end) {
        qsizetype start = end;
        for (int removed = 0; removed < excess && start > 0; --start) {
            removed += storedLength(QStringView(text).mid(start - 1, 1));
        }
        return start;
    };
    qsizetype end = std::clamp<qsizetype>(insertEnd_, 0, text.size());
    qsizetype start = startFor(end);
    if (storedLength(QStringView(text).mid(start, end - start)) < excess) {
        end = text.size(); // the insertion was shorter: cut from the very end
        start = startFor(end);
    }
    QTextCursor cursor(document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

} // namespace rv
