#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace tallowmere::gui {

// A text the window shows for a key: a control's, menu item's or heading's
// tip, or a menu item's shortcut.
struct Tip {
    std::string_view key;
    std::string_view text;
};

// The text of the key in the table; empty for a key it does not hold.
template <std::size_t n> QString tipFor(const std::array<Tip, n>& table, std::string_view key) {
    for (const Tip& row : table)
        if (row.key == key)
            return QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
    return {};
}

} // namespace tallowmere::gui
