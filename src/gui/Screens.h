#pragma once

#include "model/Form1.h"

namespace tallowmere::gui {

// The screen the model shows: the race card, or a report grid that opens over it.
enum class Screen { RaceCard, Summary, Profile };

inline Screen screenOf(const Form1& form) {
    if (form.MSFlexGrid3.visible)
        return Screen::Profile;
    if (form.MSFlexGrid2.visible)
        return Screen::Summary;
    return Screen::RaceCard;
}

inline const char* screenName(Screen screen) {
    switch (screen) {
    case Screen::Summary:
        return "Selection & Results Summary";
    case Screen::Profile:
        return "Betting Profile";
    default:
        return "Race Card";
    }
}

} // namespace tallowmere::gui
