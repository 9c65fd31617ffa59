#include "analysis/ShownProfile.h"

namespace tallowmere::analysis {

const Grid* exportableGrid(const Form1& form) {
    if (form.MSFlexGrid3.visible)
        return &form.MSFlexGrid3;
    return form.MSFlexGrid2.visible ? &form.MSFlexGrid2 : nullptr;
}

} // namespace tallowmere::analysis
