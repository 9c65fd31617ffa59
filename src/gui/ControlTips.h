#pragma once

#include <QString>
#include <string>

namespace tallowmere::gui {

// What a row-0 heading of the race card, summary or profile grid stands for,
// the abbreviation spelt out; empty for a text that is no heading.
QString headingTip(const std::string& heading);

// What a button, box or list of the window does or holds, by its object name
// ("Command1", "Command2(3)", "Text57(7)"); empty for any other.
QString controlTip(const QString& objectName);

} // namespace tallowmere::gui
