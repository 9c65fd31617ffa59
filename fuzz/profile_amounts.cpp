// The betting profile reads plain amounts by a quick path of its own: every
// field the input holds (split by tabs and line ends) must read and show
// exactly as the general number reader and the "######.00" mask read and
// show it, or the fuzzer stops.
#include "FuzzInput.h"
#include "reports/ProfileAmounts.h"
#include "text/Masks.h"
#include "text/Numbers.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool sameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void checkField(std::string_view field) {
    using namespace tallowmere;
    const profile::FieldValue read = profile::fieldValue(field);
    if (!sameNumber(read.value, text::finiteNumberOf(field)))
        std::abort();
    if (read.cents && double(*read.cents) / 100 != read.value) // -0 has no cents of its own
        std::abort();
    if (profile::twoDecimals(field) != text::formatText(field, "######.00"))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::bytesOf(data, size);
    for (std::size_t at; (at = input.find_first_of("\t\r\n")) != std::string_view::npos;
         input.remove_prefix(at + 1))
        checkField(input.substr(0, at));
    checkField(input);
    return 0;
}
