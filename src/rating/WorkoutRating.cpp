#include "rating/WorkoutRating.h"

#include "rating/PaceRating.h"
#include "rating/RatingFactors.h"
#include "rating/TrackParameters.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

// The time is the last six characters, or the last seven for a workout over
// four furlongs unless those begin with ":".
std::string workoutTimeText(const std::string& workout, double furlongs) {
    if (furlongs <= 4)
        return text::lastChars(workout, 6);
    const std::string seven = text::lastChars(workout, 7);
    return !seven.empty() && seven.front() == ':' ? text::lastChars(workout, 6) : seven;
}

double sprintValueOf(const TrackFile& tracks, const std::string& code) {
    const std::string* line = tracks.lineOfCode(code);
    return line ? speedsOf(*line).sprint : 0.0;
}

} // namespace

std::string workoutRating(const CardStore& store, int entry, int past, int race,
                          const TrackFile& tracks) {
    const std::string workout = store.EntryLastWork.valueAt(entry);
    const double furlongs = text::numberOf(text::firstChars(workout, 2));
    double seconds = secondsOf(text::numberOf(workoutTimeText(workout, furlongs)));
    const auto todaysTrack = store.RaceTrack.at(race);
    const double today = todaysTrack ? sprintValueOf(tracks, text::trimmed(*todaysTrack)) : 0.0;
    double compared = sprintValueOf(
        tracks, text::trimmed(text::firstChars(store.PastTrackRace.valueAt(entry, past), 3)));
    if (compared <= 0)
        compared = 93;
    if (furlongs < 7.5)
        seconds += (compared - today) * 0.2;

    const auto speed = feetPerSecond(furlongs * 660, seconds);
    const auto cut =
        speed ? text::strictWhole(text::firstChars(text::textOf(*speed), 4)) : std::nullopt;
    if (!cut)
        return noRating;
    std::string rating = PostPosition(store, entry, race, baseRating(110, *cut));

    const double distance = text::numberOf(store.RaceDistance.valueAt(race));
    if (furlongs > distance && furlongs - distance >= 0.5)
        rating = ratingPlus(rating, -((furlongs - distance) * 0.5)).value_or(rating);
    else if (furlongs < distance && distance - furlongs >= 0.5)
        rating = ratingPlus(rating, (distance - furlongs) * 0.5).value_or(rating);
    return text::ratingFormat(rating);
}

void WorkOut(Form1& form, int CurEntry, int CurPast, int GridRow, const TrackFile& tracks) {
    if (const auto workout = form.Card.EntryLastWork.at(CurEntry))
        form.MSFlexGrid1.setText(GridRow, 1, *workout);
    const std::string rating =
        workoutRating(form.Card, CurEntry, CurPast, form.CurrentRace, tracks);
    form.Card.PaceRatings.set(CurEntry, 6, rating);
    form.MSFlexGrid1.setText(GridRow, 23, rating);
}

} // namespace tallowmere
