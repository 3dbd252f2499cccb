// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QGridLayout;

namespace rv {

// Help → About: the program's version and licence, the Qt it runs on, and
// where it keeps its settings and its transfer history, each with a button
// that shows the folder in the desktop's file manager.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // openFolder shows a folder on the desktop; tests replace it.
    AboutDialog(std::function<void(const QString& folder)> openFolder, QWidget* parent = nullptr);

private:
    void addPlace(QGridLayout* grid, int row, const QString& caption, const QString& path,
                  const QString& folder, const QString& buttonName, const QString& accessible);

    std::function<void(const QString&)> openFolder_;
};

} // namespace rv
