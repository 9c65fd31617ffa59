#include "results/ChartCsv.h"

#include "model/RecordArrays.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>
#include <cctype>

namespace tallowmere {
namespace {

using Fields = std::vector<std::string>;

std::string fieldAt(const Fields& fields, int n) {
    return n >= 1 && n <= static_cast<int>(fields.size()) ? text::trimmed(fields[n - 1]) : "";
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool eightDigits(std::string_view text) {
    return text.size() == 8 &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c) != 0; });
}

struct Horse {
    int finish = 0;
    Fields fields;
};

struct Race {
    std::optional<int> number;
    Fields fields;
    std::vector<Horse> horses;
};

// The records of the chart, sorted into races; what could not be read counted.
struct ChartRecords {
    std::vector<Race> races;
    int unread = 0;
    int firstUnread = 0;
    bool startsWithRace = false; // the first record is a race record
};

bool isRecord(const Fields& fields, char kind, int needed) {
    return static_cast<int>(fields.size()) >= needed && fields[0].size() == 1 &&
           std::toupper(static_cast<unsigned char>(fields[0][0])) == kind;
}

// A starter without an official finish (a scratched horse) is no finisher.
// Only the first three by finish, those of a dead heat in file order, are
// kept: no more are recorded, and a long file costs no more memory.
void addHorse(Race& race, Fields fields) {
    const auto finish = text::strictWhole(fieldAt(fields, chartcsv::horseOfficialFinish));
    if (!finish || *finish <= 0)
        return;
    const auto after = std::ranges::upper_bound(race.horses, *finish, {}, &Horse::finish);
    race.horses.insert(after, {*finish, std::move(fields)});
    if (race.horses.size() > 3)
        race.horses.pop_back();
}

// A horse belongs to the race record before it only when it names that race:
// the horses after a race record that could not be read are left out with it.
bool ofRace(const Fields& horse, const Race& race) {
    return race.number && text::strictWhole(fieldAt(horse, chartcsv::horseRace)) == race.number;
}

ChartRecords chartRecords(std::string_view content) {
    ChartRecords records;
    int number = 0;
    for (const std::string_view line : text::lineViews(content)) {
        ++number;
        if (text::trimmed(line).empty())
            continue;
        auto fields = csvFields(line);
        if (fields && isRecord(*fields, 'R', chartcsv::raceFieldsNeeded)) {
            const auto race = text::strictWhole(fieldAt(*fields, chartcsv::raceNumber));
            records.startsWithRace |= records.races.empty() && records.unread == 0;
            records.races.push_back(
                {race ? std::optional<int>(*race) : std::nullopt, std::move(*fields), {}});
        } else if (fields && !records.races.empty() &&
                   isRecord(*fields, 'H', chartcsv::horseFieldsNeeded) &&
                   ofRace(*fields, records.races.back())) {
            addHorse(records.races.back(), std::move(*fields));
        } else if (records.unread++ == 0) {
            records.firstUnread = number;
        }
    }
    return records;
}

// Builds the values of one race as the text chart's reading gives them.
class RaceValues {
  public:
    RaceValues(ChartReading& reading, int race) : reading_(reading), race_(race) {}

    void finishers(std::vector<Horse> horses) {
        std::ranges::stable_sort(horses, {}, &Horse::finish);
        for (std::size_t place = 0; place < horses.size() && place < 3; ++place)
            pick(static_cast<int>(place), horses[place].fields);
        if (!horses.empty())
            payoffs(horses[0].fields, {1, 2, 3}, chartcsv::horseWin);
        if (horses.size() > 1)
            payoffs(horses[1].fields, {4, 5}, chartcsv::horsePlace);
        if (horses.size() > 2)
            payoffs(horses[2].fields, {6}, chartcsv::horseShow);
    }

    // The first group naming each wager gives its payout, as the file writes it.
    void exotics(const Fields& race) {
        const std::pair<const char*, int> wagers[] = {
            {"exacta", 7}, {"trifecta", 8}, {"superfecta", 9}};
        for (const auto& [wager, column] : wagers) {
            for (int group = 0; group < chartcsv::exoticGroups; ++group) {
                const int at = chartcsv::firstExoticGroup + 4 * group;
                if (lowered(fieldAt(race, at)).find(wager) == std::string::npos)
                    continue;
                const std::string payout = fieldAt(race, at + 2);
                if (!payout.empty())
                    payoff(column, payout, payout);
                if (column == 9)
                    fourth(fieldAt(race, at + 1));
                break;
            }
        }
    }

  private:
    ChartReading& reading_;
    int race_;

    void store(RecordArray array, int column, std::string text) {
        reading_.values.push_back({race_, array, column, std::move(text)});
    }

    void pick(int place, const Fields& horse) {
        const std::string program = fieldAt(horse, chartcsv::horseProgram);
        if (!program.empty())
            store(RecordArray::CardPicks, 5 + place,
                  text::firstChars(text::rightAligned(program, 2), 2));
    }

    // The fourth finisher as the superfecta's winning numbers give it, as the
    // text chart's combination does: the last number, after one blank.
    void fourth(const std::string& numbers) {
        const auto hyphen = numbers.find_last_of('-');
        const std::string last = hyphen == std::string::npos ? numbers : numbers.substr(hyphen + 1);
        if (!last.empty())
            store(RecordArray::CardPicks, 8, " " + text::textOf(text::numberOf(last)));
    }

    // The payoffs of a finisher, from field `first` on; the show payoff of a
    // dead heat stands in for an empty show payoff.
    void payoffs(const Fields& horse, std::initializer_list<int> columns, int first) {
        int field = first;
        for (const int column : columns) {
            std::string given = fieldAt(horse, field);
            if (field == chartcsv::horseShow && given.empty())
                given = fieldAt(horse, chartcsv::horseDeadHeatShow);
            if (!given.empty())
                payoff(column, given, formatted(given));
            ++field;
        }
    }

    static std::string formatted(const std::string& payoff) {
        const auto amount = text::recordablePayoff(payoff);
        return amount ? text::rightAligned(text::formatNumber(*amount, "###.#0"), 6) : "";
    }

    // A payoff that is no amount to record is left out and named.
    void payoff(int column, const std::string& given, std::string recorded) {
        if (text::recordablePayoff(given))
            store(RecordArray::CardPayoffs, column, std::move(recorded));
        else
            reading_.leftOut.push_back({race_, given});
    }
};

} // namespace

std::optional<std::vector<std::string>> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (quoted && c == '"' && at + 1 < line.size() && line[at + 1] == '"')
            fields.back() += line[++at];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted && fields.size() == chartcsv::fieldsRead)
            break; // no field past the last exotic group is read
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return quoted ? std::nullopt : std::optional(std::move(fields));
}

CsvChartReading readCsvChart(std::string_view content, int cardRaces, int currentRace) {
    CsvChartReading chart;
    chart.reading.lastRace = currentRace;
    const ChartRecords records = chartRecords(content);
    if (!records.startsWithRace)
        return chart;
    const Fields& first = records.races.front().fields;
    if (!eightDigits(fieldAt(first, chartcsv::raceDate)))
        return chart;
    chart.isChart = true;
    chart.identity = fieldAt(first, chartcsv::raceTrack) + "_" + fieldAt(first, chartcsv::raceDate);
    chart.evening = text::sameIgnoringCase(fieldAt(first, chartcsv::raceDayOrEvening), "E");
    chart.unreadLines = records.unread;
    chart.firstUnreadLine = records.firstUnread;
    const int lastRace = std::min(cardRaces, limits::payoffRaces);
    for (const Race& race : records.races) {
        if (!race.number || *race.number < 1 || *race.number > lastRace)
            continue;
        RaceValues values(chart.reading, *race.number);
        values.finishers(race.horses);
        values.exotics(race.fields);
        chart.reading.lastRace = *race.number;
    }
    return chart;
}

} // namespace tallowmere
