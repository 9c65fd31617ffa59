#pragma once

#include <QKeySequence>
#include <QString>
#include <string>

namespace tallowmere::gui {

// What a menu or menu item does, by its name ("Exit_Program"); empty for a
// name that is none.
QString menuTip(const std::string& itemName);

// The key that gives a menu item, by its name; none for most. Print and Print
// Profile share theirs: the screens never show both.
QKeySequence menuShortcut(const std::string& itemName);

// The letter kept for an item's mnemonic before its menu's other items take
// theirs, by its name; none for most. Editor keeps its "E", which Test would
// take first.
QChar keptMnemonic(const std::string& itemName);

} // namespace tallowmere::gui
