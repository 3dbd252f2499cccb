// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/document/DifferenceReport.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace rv {

// The differences between the window and a file or a transfer: a header
// naming both sides, the list of what differs with both values, the
// differing curves drawn over each other, and a button that copies the list.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // otherSide names the file or transfer in full, otherColumn briefly ("File").
    CompareDialog(DifferenceReport report, const QString& otherSide, const QString& otherColumn,
                  QWidget* parent);

    const DifferenceReport& report() const { return report_; }
    // What the copy button puts on the clipboard.
    QString plainText() const;
    void copyToClipboard() const;

private:
    QTreeWidget* buildList(const QString& otherColumn);
    QWidget* buildCurves(const QString& otherColumn);

    DifferenceReport report_;
    QString otherSide_;
};

} // namespace rv
