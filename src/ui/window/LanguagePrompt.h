// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QWidget;

namespace rv {

// Asks for the language ("1 = Deutsch", "2 = English", "3 = Francais"/"Français").
// Returns the language index, or nothing for an answer that is not 1, 2 or 3.
// An empty answer or a cancel means German at the first start and nothing
// from the menu.
std::optional<int> askLanguage(QWidget* parent, bool fromMenu);

} // namespace rv
