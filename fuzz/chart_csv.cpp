// A comma-delimited results chart, read for cards of several sizes and recorded.
#include "FuzzInput.h"
#include "results/ChartCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto content = fuzz::bytesOf(data, size);
    for (int races : {0, 1, 9, 20, 99}) {
        const auto chart = tallowmere::readCsvChart(content, races, races / 2);
        tallowmere::RecordArrays records;
        tallowmere::recordChartValues(records, chart.reading.values);
    }
    return 0;
}
