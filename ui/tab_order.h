#pragma once
// The order in which Tab visits the tab stops of a window description.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "ui/window_description.h"

namespace tessavik::ui {

// Indices of the visible tab-stop rows, by tab-order number, and among equal numbers from the
// last row of the table to the first. Its front gets the first focus.
std::vector<std::size_t> tabSequence(std::span<const ControlRow> rows);

// The tab stop after `current` in the sequence (before it when `backward`), wrapping around. A
// current control that is no tab stop goes to the sequence's front (back when backward).
std::optional<std::size_t> nextTabStop(const std::vector<std::size_t>& sequence,
                                       std::optional<std::size_t> current, bool backward);

}  // namespace tessavik::ui
