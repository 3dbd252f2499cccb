// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace rv {

struct OptionGroupDefinition;

// An option array (Board_0, Board_1, ...): exactly one option selected at a
// time. `clicked(index)` is the group's click handler hook; it fires whenever
// an option becomes selected, by the user or by setChecked from code.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    // Creates the option buttons as children of `frame`, none selected; the
    // caller lays them out.
    OptionGroup(const OptionGroupDefinition& definition, QWidget* frame);

    const OptionGroupDefinition& definition() const { return definition_; }
    int count() const { return static_cast<int>(options_.size()); }
    QRadioButton* option(int index) const { return options_.at(index); }
    const QList<QRadioButton*>& options() const { return options_; }
    // The selected index, or -1 while none is selected.
    int selectedIndex() const;

    // Shows option `index` selected (none for -1) without any click handling.
    void show(int index);
    // Selects an option; the click handling runs only if the selection changes.
    void select(int index);
    // Selects an option and runs the click handling even if it was selected
    // already, so that the state it sets is guaranteed afterwards.
    void selectAndRun(int index);
    // A disabled option stays visible and can still be selected by the program.
    void setOptionEnabled(int index, bool enabled);
    // The options' captions in the language of the installed translations.
    void retranslate();

Q_SIGNALS:
    void clicked(int index);

private:
    const OptionGroupDefinition& definition_;
    QButtonGroup* group_;
    QList<QRadioButton*> options_;
};

} // namespace rv
