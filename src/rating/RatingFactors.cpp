#include "rating/RatingFactors.h"

#include "text/Numbers.h"
#include "text/Texts.h"

namespace tallowmere {

std::optional<std::string> ratingPlus(const std::string& rating, double amount) {
    const auto value = text::strictNumber(rating);
    if (!value)
        return std::nullopt;
    return text::textOf(*value + amount);
}

namespace {

// Adds each amount that applies, in order; the first that cannot be added
// ends the factor.
std::string withAmounts(std::string rating, std::initializer_list<std::pair<bool, double>> steps) {
    for (const auto& [applies, amount] : steps) {
        if (!applies)
            continue;
        auto adjusted = ratingPlus(rating, amount);
        if (!adjusted)
            break;
        rating = std::move(*adjusted);
    }
    return rating;
}

} // namespace

std::string PostPosition(const CardStore& store, int entry, int race, std::string rating) {
    const auto post = store.EntryPost.at(entry);
    const auto distance = store.RaceDistance.at(race);
    if (!post || !distance)
        return rating;
    const double today = text::numberOf(*distance);
    return withAmounts(std::move(rating), {{*post > 8 && today < 8, *post * 0.05},
                                           {*post > 10 && today < 8, *post * 0.2}});
}

std::string TV(const CardStore& store, int entry, int past, std::string rating) {
    const auto distSurf = store.PastDistSurf.at(entry, past);
    const auto condition = store.PastTrackCond.at(entry, past);
    const auto surface = store.PastSurface.at(entry, past);
    if (!distSurf || !condition || !surface)
        return rating;
    const double furlongs = text::numberOf(*distSurf);
    const bool offTrack = *condition == "MY" || *condition == "SY";
    const bool otherSurface = *surface == "E" || *surface == "I" || *surface == "C";
    return withAmounts(std::move(rating), {{offTrack, furlongs * 0.1},
                                           {*surface == "T", furlongs * 0.3},
                                           {otherSurface, furlongs * 0.5}});
}

std::string WPS(const CardStore& store, int entry, int past, int race, std::string rating) {
    const auto distance = store.RaceDistance.at(race);
    const auto distSurf = store.PastDistSurf.at(entry, past);
    const auto finish = store.PastFinBeaten.at(entry, past);
    if (!distance || !distSurf || !finish)
        return rating;
    const double today = text::numberOf(*distance);
    const double then = text::numberOf(*distSurf);
    if (!(today == then || today == then + 0.5))
        return rating;
    const double position = text::numberOf(*finish);
    const std::string margin = text::lastChars(*finish, 2);
    double credit = 0;
    if (position == 1)
        credit = 1.5;
    else if ((position == 2 && margin == "ns") || margin == "nk" || margin == "hd")
        credit = 1.0;
    else if (position == 2)
        credit = 0.6;
    else if (position == 3)
        credit = 0.2;
    return withAmounts(std::move(rating), {{credit != 0, -credit}});
}

} // namespace tallowmere
