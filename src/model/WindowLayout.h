#pragma once

#include "model/Form1.h"

namespace tallowmere {

// Places every control that start-up does not place itself, in twips, and
// puts each control into its frame: the race header (Frame4), the grids, the
// race buttons, the selection and result boxes, the tote board (Frame7), the
// scratches (Frame6), the Record frame (Frame5), the track list, and the empty
// areas Frame1 to Frame3, Image2 and Label7.
void placeControls(Form1& form);

} // namespace tallowmere
