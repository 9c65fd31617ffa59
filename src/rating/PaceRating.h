#pragma once

#include "model/CardStore.h"
#include "model/Form1.h"
#include "rating/TrackParameters.h"

#include <filesystem>
#include <string>

namespace tallowmere {

// What the pace rating of a past race needs besides the card.
struct PaceRatingInputs {
    int entry;
    int past;              // the past race's slot
    int race;              // today's race of the entry
    std::string cardTrack; // the card track the rating's track test reads
    const TrackFile& tracks;
};

// The last-quarter pace rating of one past race, in the rating format: 120 less
// the horse's feet per second over the past race carried over to today's
// track, corrected for the change of distance, credited for distance, class
// and speed figure, then adjusted by the factors. Lower is better. " - " when
// the past race has no usable final time (or the speed cannot be worked out),
// "   .0" when it has no distance. A track whose code ends in "q" is rated on
// the raw time alone.
std::string pastRaceRating(const CardStore& store, const PaceRatingInputs& inputs);

// The rating as the run asks for it: the entry's race becomes CurrentRace and
// its track the card track (shown in Label1), which the rating then reads;
// a race beyond the card's tracks keeps the card track as it was.
std::string LastQuarterCalc(Form1& form, int CurEntry, int CurPast, int EntryRace,
                            const TrackFile& tracks);

// TrackMaster's seconds form: 112.4 is 1:12.4, so 72.4 seconds.
double secondsOf(double secondsForm);

// The rating text of a past race or workout whose speed cannot be worked out.
inline const std::string noRating = " - ";

// Feet per second as a 16-bit whole number; nothing for a time of 0 or a speed
// beyond 16 bits.
std::optional<int> feetPerSecond(double feet, double seconds);

// `scale` (120 for a past race, 110 for a workout) less the speed, cut to four
// characters and put in the rating format.
std::string baseRating(int scale, int feetPerSecond);

} // namespace tallowmere
