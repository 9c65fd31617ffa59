// TargetTracks.txt and TBA.ini, joined by the file separator: Select Track
// shows the list and rebuilds it from the archive.
#include "FuzzInput.h"
#include "model/SilentPlatform.h"
#include "reports/TrackSelection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitFiles(fuzz::bytesOf(data, size), 2);
    const auto folder = fuzz::freshFolder();
    fuzz::writeFile(folder / "TargetTracks.txt", parts[0]);
    if (parts.size() > 1)
        fuzz::writeFile(folder / "TBA.ini", parts[1]);
    // Select Track clears the list it fills, so one window serves every input:
    // a new one for each would cost most of the time.
    static tallowmere::SilentPlatform platform;
    static tallowmere::Form1 form(platform);
    form.WorkFolder = folder;
    tallowmere::Select_Click(form);
    return 0;
}
