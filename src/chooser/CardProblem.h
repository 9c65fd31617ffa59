#pragma once

#include <string>

namespace tallowmere::chooser {

// Why a card was not taken in. Nothing in the data root changed.
struct CardProblem {
    enum class Kind {
        SourceUnreadable,
        ZipUnreadable,
        TableMissing,
        TableTwice,
        TableDamaged,
        TableTooLarge,
        CopyFailed
    };

    Kind kind;
    std::string table; // the table file concerned, when there is one
    std::string text;  // what the user is told, one sentence or two
};

} // namespace tallowmere::chooser
