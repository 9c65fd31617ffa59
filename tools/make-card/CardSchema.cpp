#include "CardSchema.h"

namespace tallowmere::cardgen {

const std::vector<FieldSpec>& racedrFields() {
    static const std::vector<FieldSpec> fields = {
        {"RACE", 'N', 3},       {"DISTANCE", 'C', 6}, {"SURFACE", 'C', 1},   {"PURSE", 'C', 10},
        {"TODAYS_CLS", 'N', 4}, {"RTEXT1", 'C', 60},  {"RTEXT2", 'C', 60},   {"RTEXT3", 'C', 60},
        {"RTEXT4", 'C', 60},    {"BET_OPT", 'C', 40}, {"POST_TIME", 'C', 8}, {"RACE_DATE", 'C', 8},
        {"TRACK", 'C', 3},      {"HORSE1", 'N', 4}};
    return fields;
}

const std::vector<FieldSpec>& thr2drFields() {
    static const std::vector<FieldSpec> fields = {
        {"HN", 'N', 4},         {"RACE", 'N', 3},        {"PROGRAM", 'C', 3},
        {"PP", 'N', 2},         {"HORSE_NAME", 'C', 25}, {"AXCIS_ODDS", 'C', 6},
        {"WEIGHT", 'N', 3},     {"JN", 'N', 4},          {"TN", 'N', 4},
        {"LAST_WORK", 'C', 30}, {"LAST2_WORK", 'C', 30}, {"LAST3_WORK", 'C', 30}};
    return fields;
}

const std::vector<FieldSpec>& thrrdrFields() {
    static const std::vector<FieldSpec> fields = {{"HN", 'N', 4},         {"DATE", 'D', 8},
                                                  {"TRACK_RACE", 'C', 6}, {"TRACK_COND", 'C', 2},
                                                  {"TRACK_VAR", 'C', 3},  {"DIST_SURF", 'C', 7},
                                                  {"PTCALL1", 'N', 5, 1}, {"PTCALL2", 'N', 5, 1},
                                                  {"PTCALL3", 'N', 5, 1}, {"ACTUAL_TIM", 'N', 6, 2},
                                                  {"NON_WIN_R", 'C', 6},  {"CLASS", 'C', 12},
                                                  {"WEIGHT", 'N', 3},     {"CLASS_RTG", 'N', 3},
                                                  {"SPD_FIG", 'N', 3},    {"POST_POS", 'C', 2},
                                                  {"GATE_BREAK", 'C', 2}, {"LEN1_BACK", 'C', 6},
                                                  {"LEN2_BACK", 'C', 6},  {"STLEN_BACK", 'C', 6},
                                                  {"FIN_BEATEN", 'C', 6}, {"FINISH", 'C', 2},
                                                  {"JN", 'N', 4},         {"ODDS", 'N', 6, 2},
                                                  {"FAV_INDC", 'C', 1}};
    return fields;
}

const std::vector<FieldSpec>& thrjdrFields() {
    static const std::vector<FieldSpec> fields = {{"JN", 'N', 4}, {"JOCKNAME", 'C', 25}};
    return fields;
}

const std::vector<FieldSpec>& thrtdrFields() {
    static const std::vector<FieldSpec> fields = {{"TN", 'N', 4}, {"TRAINNAME", 'C', 25}};
    return fields;
}

bool writeCardTables(const CardRecords& card, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return writeTable(folder / "RACEDR.DBF", racedrFields(), card.races) &&
           writeTable(folder / "THR2DR.DBF", thr2drFields(), card.entries) &&
           writeTable(folder / "THRRDR.DBF", thrrdrFields(), card.pastRaces) &&
           writeTable(folder / "THRJDR.DBF", thrjdrFields(), card.jockeys) &&
           writeTable(folder / "THRTDR.DBF", thrtdrFields(), card.trainers);
}

} // namespace tallowmere::cardgen
