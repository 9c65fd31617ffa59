#pragma once

#include "SyntheticCard.h"
#include "app/AppCommands.h"
#include "card/DataRoot.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

namespace tallowmere::testing {

// A started window over a fresh data root (which is its working folder too).
struct TestWindow {
    TempFolder folder;
    RecordingPlatform platform;
    Form1 form{platform};

    explicit TestWindow(bool load = true) {
        form.DataRoot = folder.path();
        form.WorkFolder = folder.path();
        form.ProgramFolder = "/opt/tallowmere/bin";
        if (load)
            Form_Load(form);
    }

    DataRoot root() const { return DataRoot{folder.path()}; }

    void writeCard(const cardgen::CardRequest& request) {
        cardgen::writeCardTables(cardgen::makeCard(request), root().trackMasterFolder());
    }
};

} // namespace tallowmere::testing
