// A .zip handed to the card chooser: its entries found by name, copied out
// and checked as tables before they take the card's place.
#include "FuzzInput.h"
#include "chooser/CardCopy.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = fuzz::freshFolder();
    const auto zip = folder / "card.zip";
    fuzz::writeFile(zip, fuzz::bytesOf(data, size));
    (void)tallowmere::chooser::copyCardIn(folder / "root", zip);
    return 0;
}
