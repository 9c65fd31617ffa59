#pragma once

#include "model/CardStore.h"
#include "model/Form1.h"
#include "rating/TrackParameters.h"

#include <filesystem>
#include <string>

namespace tallowmere {

// The rating of an entry's last workout, in the rating format: 110 less the
// horse's feet per second over the workout, its time carried over to today's
// track (for workouts under 7.5 furlongs), the post factor, and 0.5 per furlong
// of difference from today's distance. The compared track is that of past race
// `past`. " - " when the speed cannot be worked out.
std::string workoutRating(const CardStore& store, int entry, int past, int race,
                          const TrackFile& tracks);

// The run's call after an entry's fifth past race: the rating becomes the
// entry's sixth, and the workout row of the grid (`GridRow`) shows the workout
// in column 1 and the rating in column 23.
void WorkOut(Form1& form, int CurEntry, int CurPast, int GridRow, const TrackFile& tracks);

} // namespace tallowmere
