#include "card/CardTables.h"

namespace tallowmere {

CardTables openCardTables(const std::filesystem::path& folder) {
    return {TableView::open(folder, "THRRDR"), TableView::open(folder, "RACEDR"),
            TableView::open(folder, "THRJDR"), TableView::open(folder, "THR2DR"),
            TableView::open(folder, "THRTDR")};
}

} // namespace tallowmere
