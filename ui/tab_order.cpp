#include "ui/tab_order.h"

#include <algorithm>

namespace tessavik::ui {

std::vector<std::size_t> tabSequence(std::span<const ControlRow> rows) {
    std::vector<std::size_t> sequence;
    for (std::size_t i = rows.size(); i-- > 0;) {
        if (rows[i].tabStop && rows[i].visible)
            sequence.push_back(i);
    }
    // Built from the last row to the first, so a stable sort keeps that order among equals.
    std::stable_sort(sequence.begin(), sequence.end(), [&rows](std::size_t a, std::size_t b) {
        return rows[a].tabOrder < rows[b].tabOrder;
    });
    return sequence;
}

std::optional<std::size_t> nextTabStop(const std::vector<std::size_t>& sequence,
                                       std::optional<std::size_t> current, bool backward) {
    if (sequence.empty())
        return std::nullopt;
    auto at = current ? std::find(sequence.begin(), sequence.end(), *current) : sequence.end();
    if (at == sequence.end())
        return backward ? sequence.back() : sequence.front();
    auto position = static_cast<std::size_t>(at - sequence.begin());
    std::size_t next = backward ? (position + sequence.size() - 1) % sequence.size()
                                : (position + 1) % sequence.size();
    return sequence[next];
}

}  // namespace tessavik::ui
