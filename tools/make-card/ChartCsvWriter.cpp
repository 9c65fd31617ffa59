#include "ChartCsvWriter.h"

#include "analysis/CsvText.h"
#include "results/ChartCsv.h"

#include <algorithm>
#include <vector>

namespace tallowmere::cardgen {
namespace {

using Fields = std::vector<std::string>;

// A record in the program's own CSV form: quoted where needed, CR LF ended.
std::string csvLine(const Fields& fields) {
    return analysis::csvText({fields});
}

void put(Fields& fields, int field, std::string text) {
    fields[field - 1] = std::move(text);
}

std::string withoutSeparators(std::string amount) {
    std::erase(amount, ',');
    return amount;
}

std::string raceRecord(const ResultsChart& chart, const RaceResult& race) {
    using namespace chartcsv;
    Fields fields(firstExoticGroup - 1 + 4 * 3);
    put(fields, 1, "R");
    put(fields, 2, "TB");
    put(fields, raceTrack, chart.track);
    put(fields, raceDate, chart.raceDate);
    put(fields, raceNumber, std::to_string(race.race));
    put(fields, raceDayOrEvening, "D");
    put(fields, 7, race.surface);
    put(fields, 8, withoutSeparators(race.purse));
    const std::pair<std::string, const std::string*> wagers[] = {
        {"$2 Exacta", &race.exacta},
        {"$1 Trifecta", &race.trifecta},
        {"$1 Superfecta", &race.superfecta}};
    int at = firstExoticGroup;
    for (std::size_t k = 0; k < 3; ++k) {
        if (wagers[k].second->empty())
            continue;
        put(fields, at, wagers[k].first);
        put(fields, at + 1, combination(race, k + 2));
        put(fields, at + 2, withoutSeparators(*wagers[k].second));
        at += 4;
    }
    fields.resize(at - 1);
    return csvLine(fields);
}

std::string horseRecord(const ResultsChart& chart, const RaceResult& race, std::size_t place) {
    using namespace chartcsv;
    const std::string payoffs[3][3] = {{race.win, race.place, race.show},
                                       {"", race.secondPlace, race.secondShow},
                                       {"", "", race.thirdShow}};
    Fields fields(horseDeadHeatShow);
    put(fields, 1, "H");
    put(fields, 2, chart.track);
    put(fields, 3, chart.raceDate);
    put(fields, 4, std::to_string(race.race));
    put(fields, 5, "D");
    put(fields, 8, race.finishers[place].name);
    put(fields, horseProgram, race.finishers[place].program);
    put(fields, 29, std::to_string(place + 1));
    put(fields, horseOfficialFinish, std::to_string(place + 1));
    for (int k = 0; place < 3 && k < 3; ++k)
        put(fields, horseWin + k, withoutSeparators(payoffs[place][k]));
    return csvLine(fields);
}

} // namespace

std::string resultsChartCsv(const ResultsChart& chart) {
    std::string text;
    for (const RaceResult& race : chart.races) {
        text += raceRecord(chart, race);
        for (std::size_t place = 0; place < race.finishers.size(); ++place)
            text += horseRecord(chart, race, place);
    }
    return text;
}

std::string resultsChartCsvName(const ResultsChart& chart) {
    return chart.track + chart.raceDate + "tch.csv";
}

} // namespace tallowmere::cardgen
