// The five card tables and TrackEditor.ini, in that order, joined by the file
// separator: the xBase reader, the card load and Start as the batch front end
// runs them.
#include "FuzzInput.h"
#include "app/AppCommands.h"
#include "card/DataRoot.h"
#include "card/TableView.h"
#include "model/SilentPlatform.h"
#include "rating/HandicappingRun.h"

constexpr const char* tableFiles[] = {"THRRDR.DBF", "RACEDR.DBF", "THRJDR.DBF",
                                      "THR2DR.DBF", "THRTDR.DBF", "TrackEditor.ini"};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitFiles(fuzz::bytesOf(data, size), std::size(tableFiles));
    const auto root = fuzz::freshFolder();
    const tallowmere::DataRoot folders{root};
    std::filesystem::create_directories(folders.trackMasterFolder());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool table = i + 1 < std::size(tableFiles);
        const auto file = (table ? folders.trackMasterFolder() : root) / tableFiles[i];
        fuzz::writeFile(file, parts[i]);
        if (table)
            (void)tallowmere::tableDamage(file);
    }
    tallowmere::SilentPlatform platform;
    tallowmere::Form1 form(platform);
    form.DataRoot = root;
    form.WorkFolder = root;
    tallowmere::Form_Load(form);
    tallowmere::Command1_Click(form);
    return 0;
}
