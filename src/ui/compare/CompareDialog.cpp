// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compare/CompareDialog.h"

#include "ui/compare/CurveOverlay.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace rv {

namespace {
// Curves drawn side by side before the next row starts.
constexpr int CurvesPerRow = 4;

// A comment shows on one line in the list; the whole of it in the tooltip and the copy.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" \u21b5 "));
    line.replace(QLatin1Char('\n'), QStringLiteral(" \u21b5 "));
    return line;
}
} // namespace

CompareDialog::CompareDialog(DifferenceReport report, const QString& otherSide,
                             const QString& otherColumn, QWidget* parent)
    : QDialog(parent), report_(std::move(report)), otherSide_(otherSide) {
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(tr("Compare"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);

    auto* header = new QLabel(
        report_.isEmpty() ? sameValuesLine(otherSide) : comparisonHeader(otherSide), this);
    header->setObjectName(QStringLiteral("CompareHeader"));
    header->setWordWrap(true);
    header->setTextFormat(Qt::PlainText);
    header->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(header);

    if (!report_.isEmpty()) {
        layout->addWidget(buildList(otherColumn), 1);
        if (!report_.differences.curves.empty()) {
            layout->addWidget(buildCurves(otherColumn));
        }
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* copy = buttons->addButton(tr("Copy as text"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CompareCopy"));
    copy->setAccessibleName(copy->text());
    // Enter must not copy: the list has the focus and Enter there is no command.
    copy->setAutoDefault(false);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CompareClose"));
    close->setAccessibleName(close->text());
    connect(copy, &QPushButton::clicked, this, &CompareDialog::copyToClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(report_.isEmpty() ? QSize(480, 120) : QSize(680, 520));
}

QTreeWidget* CompareDialog::buildList(const QString& otherColumn) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("CompareList"));
    list->setAccessibleName(comparisonHeader(otherSide_));
    list->setColumnCount(3);
    list->setHeaderLabels({QString(), otherColumn, tr("Window")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setWordWrap(false);
    std::optional<DifferenceRow::Section> section;
    QTreeWidgetItem* group = nullptr;
    for (const DifferenceRow& row : report_.rows) {
        if (row.section != section) {
            section = row.section;
            group = new QTreeWidgetItem(list, {sectionTitle(row.section)});
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setFirstColumnSpanned(true);
            group->setFlags(Qt::ItemIsEnabled);
            group->setExpanded(true);
        }
        auto* item =
            new QTreeWidgetItem(group, {row.caption, oneLine(row.before), oneLine(row.after)});
        item->setToolTip(1, row.before);
        item->setToolTip(2, row.after);
    }
    list->expandAll();
    list->header()->setSectionResizeMode(QHeaderView::Interactive);
    for (int column = 0; column < 3; ++column) {
        list->resizeColumnToContents(column);
        list->setColumnWidth(column, qMin(list->columnWidth(column), 300));
    }
    if (QTreeWidgetItem* first = list->topLevelItem(0);
        first != nullptr && first->childCount() > 0) {
        // The keys start on the first row; nothing is shown selected before they move.
        list->setCurrentItem(first->child(0), 0, QItemSelectionModel::NoUpdate);
    }
    return list;
}

QWidget* CompareDialog::buildCurves(const QString& otherColumn) {
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("CompareCurves"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // the list names the same curves for the keyboard
    auto* panel = new QWidget(area);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* legend = new QLabel(tr("Dashed: %1; solid: the window").arg(otherColumn), panel);
    legend->setTextFormat(Qt::PlainText);
    grid->addWidget(legend, 0, 0, 1, CurvesPerRow);
    std::vector<const DifferenceRow*> captions; // the curve rows, in the order of the curves
    for (const DifferenceRow& row : report_.rows) {
        if (row.section == DifferenceRow::Section::Curves) {
            captions.push_back(&row);
        }
    }
    int placed = 0;
    for (const CurveChange& change : report_.differences.curves) {
        auto* cell = new QWidget(panel);
        auto* cellLayout = new QVBoxLayout(cell);
        cellLayout->setContentsMargins(0, 0, 0, 0);
        auto* caption = new QLabel(captions.at(static_cast<std::size_t>(placed))->caption, cell);
        caption->setTextFormat(Qt::PlainText);
        auto* overlay = new CurveOverlay(change.before, change.after, cell);
        overlay->setFixedSize(overlay->sizeHint());
        overlay->setAccessibleName(caption->text());
        cellLayout->addWidget(caption);
        cellLayout->addWidget(overlay);
        grid->addWidget(cell, 1 + placed / CurvesPerRow, placed % CurvesPerRow);
        ++placed;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(CurvesPerRow, 1);
    area->setWidget(panel);
    area->setMinimumHeight(qMin(2, 1 + (placed - 1) / CurvesPerRow) * 170 + 20);
    return area;
}

QString CompareDialog::plainText() const {
    return differenceText(report_, otherSide_);
}

void CompareDialog::copyToClipboard() const {
    QApplication::clipboard()->setText(plainText());
}

} // namespace rv
