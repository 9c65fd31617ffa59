// A card's record file: the first byte gives the card's race count, the rest
// is the file, loaded as Start restores a saved card and written again.
#include "FuzzInput.h"
#include "card/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallowmere;
    if (size == 0)
        return 0;
    const int raceCount = static_cast<std::int8_t>(data[0]);
    const auto file = fuzz::freshFolder() / "card.pmd";
    fuzz::writeFile(file, fuzz::bytesOf(data + 1, size - 1));
    const RecordFileLoad load = loadRecordFile(file, RecordArrays{}, raceCount);
    if (load.status == RecordFileStatus::Loaded)
        (void)recordFileText(load.arrays, raceCount);
    return 0;
}
