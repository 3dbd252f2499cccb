// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ValueEditor.h"

#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"
#include "core/model/ValueEntry.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>

namespace rv {

ValueEditor::ValueEditor(Setup& set, QWidget* parent)
    : QGroupBox(QStringLiteral("ParaEdit"), parent), set_(set),
      indexLabel_(new QLabel(QStringLiteral("0"), this)), valueText_(new QLineEdit(this)),
      up_(new QPushButton(QStringLiteral("Up"), this)),
      down_(new QPushButton(QStringLiteral("Down"), this)), message_(new QLabel(this)) {
    setObjectName(QStringLiteral("ParaEdit"));
    auto* caption = new QLabel(QStringLiteral("P"), this);
    caption->setObjectName(QStringLiteral("Label15"));
    caption->setBuddy(valueText_);
    indexLabel_->setObjectName(QStringLiteral("LPara"));
    indexLabel_->setMinimumWidth(
        indexLabel_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    valueText_->setObjectName(QStringLiteral("TPara"));
    valueText_->setAccessibleName(QStringLiteral("P"));
    valueText_->setMaximumWidth(
        valueText_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    up_->setObjectName(QStringLiteral("cmdUp"));
    down_->setObjectName(QStringLiteral("cmdDown"));
    message_->setObjectName(QStringLiteral("ParaEditMessage"));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The message row keeps its room while empty: a frame that grew and shrank
    // with the message would move Up and Down away under the pointer, and the
    // next click would land on the free area as a double-click that closes it.
    message_->setFixedHeight(2 * message_->fontMetrics().lineSpacing());
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(indexLabel_, 0, 1);
    layout->addWidget(valueText_, 0, 2);
    layout->addWidget(up_, 0, 3);
    layout->addWidget(down_, 0, 4);
    layout->addWidget(message_, 1, 0, 1, 5);

    connect(up_, &QPushButton::clicked, this, &ValueEditor::showNextEntry);
    connect(down_, &QPushButton::clicked, this, &ValueEditor::showPreviousEntry);
    connect(valueText_, &QLineEdit::returnPressed, this, &ValueEditor::writeEntry);
    valueText_->installEventFilter(this);
    setVisible(false);
}

void ValueEditor::showNextEntry() {
    if (entryIndex_ < ParameterImage::ValueEditorLast) {
        ++entryIndex_;
    }
    refresh();
}

void ValueEditor::showPreviousEntry() {
    if (entryIndex_ > 0) {
        --entryIndex_;
    }
    refresh();
}

void ValueEditor::refresh() {
    indexLabel_->setText(QString::number(entryIndex_));
    valueText_->setText(QString::number(set_.image.at(entryIndex_)));
    message_->clear();
}

using ValueEntry::readNumber;

std::optional<int> ValueEditor::parseByte(const QString& text, const QLocale& locale) {
    return ValueEntry::byteOf(text, locale);
}

namespace {
// The entry as quoted in a message: shortened, so that any reply fits the
// message row's two lines.
QString quotedEntry(const QString& text) {
    constexpr int Longest = 12;
    return text.size() <= Longest ? text : text.left(Longest - 1) + QChar(0x2026);
}
} // namespace

void ValueEditor::writeEntry() {
    const QString text = valueText_->text().trimmed();
    const std::optional<int> byte = parseByte(text, QLocale());
    if (!byte) {
        const QString quoted = quotedEntry(text);
        message_->setText(readNumber(text, QLocale())
                              ? tr("%1 is outside 0..255; nothing written.").arg(quoted)
                              : tr("\"%1\" is not a number; nothing written.").arg(quoted));
        return;
    }
    set_.image.set(entryIndex_, static_cast<std::uint8_t>(*byte));
    message_->setText(tr("P%1 = %2 written.").arg(entryIndex_).arg(*byte));
    Q_EMIT byteWritten(entryIndex_);
}

QString ValueEditor::message() const {
    return message_->text();
}

void ValueEditor::closeEditor() {
    setVisible(false);
}

void ValueEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    QGroupBox::mouseDoubleClickEvent(event);
    closeEditor();
}

void ValueEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        closeEditor();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void ValueEditor::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    refresh();
}

bool ValueEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == valueText_ && event->type() == QEvent::MouseButtonDblClick) {
        writeEntry();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace rv
