#include "analysis/ShownProfile.h"

#include "card/WorkFolder.h"
#include "text/TextFiles.h"

namespace tallowmere::analysis {

std::vector<CardFigures> shownProfileCards(const std::filesystem::path& workFolder) {
    const auto lines = text::readLines(WorkFolder{workFolder}.shownProfile());
    if (!lines)
        return {};
    return cardsInDateOrder(std::vector<std::string_view>(lines->rbegin(), lines->rend()));
}

const Grid* exportableGrid(const Form1& form) {
    if (form.MSFlexGrid3.visible)
        return &form.MSFlexGrid3;
    return form.MSFlexGrid2.visible ? &form.MSFlexGrid2 : nullptr;
}

} // namespace tallowmere::analysis
