#include "rating/PaceRating.h"

#include "rating/RatingFactors.h"
#include "rating/TrackParameters.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <cmath>

namespace tallowmere {
namespace {

// The final time in seconds, cut to five characters as the rating reads it.
std::optional<double> finalTime(const std::string& timeText) {
    const auto raw = text::strictNumber(timeText);
    if (!raw || *raw <= 0)
        return std::nullopt;
    double seconds = secondsOf(*raw);
    const std::string cut = text::firstChars(*raw < 100 ? timeText : text::textOf(seconds), 5);
    if (const auto five = text::strictNumber(cut))
        seconds = *five;
    return seconds;
}

struct TrackValues {
    TrackSpeeds today;
    TrackSpeeds past;
};

TrackValues trackValues(const CardStore& store, const PaceRatingInputs& in) {
    TrackValues values;
    if (const auto code = store.RaceTrack.at(in.race))
        if (const auto line = findTrackLine(in.tracks, text::trimmed(*code)))
            values.today = speedsOf(*line);
    const std::string pastCode =
        text::trimmed(text::firstChars(store.PastTrackRace.valueAt(in.entry, in.past), 3));
    if (const auto line = findTrackLine(in.tracks, pastCode)) {
        values.past = speedsOf(*line);
        if (values.past.sprint <= 0)
            values.past.sprint = 92;
    }
    if (values.past.sprint <= 0)
        values.past.sprint = 93;
    if (values.past.mile <= 0)
        values.past.mile = 82;
    if (values.past.route <= 0)
        values.past.route = 85;
    return values;
}

// A slower track than today's (a lower value) makes the time faster.
double trackCorrection(double today, const TrackValues& tracks) {
    if (today < 7.5)
        return (tracks.past.sprint - tracks.today.sprint) * 0.1;
    if (today < 8.5)
        return (tracks.past.mile - tracks.today.mile) * 0.2;
    return (tracks.past.route - tracks.today.route) * 0.3;
}

std::string plusOrKept(const std::string& rating, double amount) {
    return ratingPlus(rating, amount).value_or(rating);
}

std::string qTrackRating(const CardStore& store, const PaceRatingInputs& in) {
    const double furlongs = text::numberOf(store.PastDistSurf.valueAt(in.entry, in.past));
    const auto time = text::strictNumber(store.PastTime.valueAt(in.entry, in.past));
    const auto speed = time ? feetPerSecond(furlongs * 3, *time) : std::nullopt;
    return speed ? baseRating(120, *speed) : noRating;
}

} // namespace

std::string baseRating(int scale, int feetPerSecond) {
    return text::ratingFormat(text::firstChars(text::textOf(scale - feetPerSecond), 4));
}

std::optional<int> feetPerSecond(double feet, double seconds) {
    if (seconds == 0)
        return std::nullopt;
    const auto speed = text::wholeNumber(feet / seconds);
    return speed ? std::optional<int>(*speed) : std::nullopt;
}

double secondsOf(double secondsForm) {
    if (secondsForm >= 200)
        return secondsForm - 200 + 120;
    if (secondsForm >= 100)
        return secondsForm - 100 + 60;
    return secondsForm;
}

std::string pastRaceRating(const CardStore& store, const PaceRatingInputs& in) {
    if (!in.cardTrack.empty() && in.cardTrack.back() == 'q')
        return qTrackRating(store, in);
    const auto time = store.PastTime.at(in.entry, in.past);
    const auto seconds = time ? finalTime(*time) : std::nullopt;
    if (!seconds)
        return noRating;

    const std::string distSurf = store.PastDistSurf.valueAt(in.entry, in.past);
    const double today = text::numberOf(store.RaceDistance.valueAt(in.race));
    const double then = text::numberOf(distSurf);
    const double adjusted = *seconds + trackCorrection(today, trackValues(store, in));
    const auto speed = feetPerSecond(then * 660, adjusted);
    if (!speed)
        return noRating;
    std::string rating = baseRating(120, *speed);

    if (today < then && then - today >= 0.5)
        rating = plusOrKept(rating, -((then - today) * 0.75));
    else if (today > then && today - then >= 0.5)
        rating = plusOrKept(rating, (today - then) * 0.75);

    const double distanceCredit = then * 0.2;
    const double classCredit = store.PastClassRating.valueAt(in.entry, in.past) * 0.02;
    const double figure = text::numberOf(store.PastSpeedFig.valueAt(in.entry, 1));
    const double figureCredit =
        std::abs(today - then) < 0.5 ? figure * 0.2 + figure * 0.01 : figure * 0.2;
    if (const auto value = text::strictNumber(rating))
        rating = text::textOf(*value - ((distanceCredit + classCredit) + figureCredit));

    rating = PostPosition(store, in.entry, in.race, rating);
    rating = TV(store, in.entry, in.past, rating);
    rating = WPS(store, in.entry, in.past, in.race, rating);
    if (distSurf.empty())
        rating = "0.0";
    return text::ratingFormat(text::firstChars(rating, 4));
}

std::string LastQuarterCalc(Form1& form, int CurEntry, int CurPast, int EntryRace,
                            const TrackFile& tracks) {
    form.CurrentRace = static_cast<std::int16_t>(EntryRace);
    if (const auto track = form.Card.RaceTrack.at(EntryRace))
        form.setCardTrack(*track);
    return pastRaceRating(form.Card, {CurEntry, CurPast, EntryRace, form.cardTrack(), tracks});
}

} // namespace tallowmere
