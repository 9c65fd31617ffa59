#include "ResultsChartWriter.h"

#include "Dice.h"
#include "SampleTracks.h"
#include "card/CardFileNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tallowmere::cardgen {
namespace {

// The chart rolls dice of its own, so the tables of a request stay as they were.
constexpr std::uint32_t chartDice = 0x632BE5ABu;

std::string fieldValue(const std::vector<FieldSpec>& fields, const TableRecord& record,
                       std::string_view name) {
    for (std::size_t i = 0; i < fields.size() && i < record.values.size(); ++i)
        if (fields[i].name == name)
            return record.values[i];
    return {};
}

struct Runner {
    Finisher finisher;
    double morningLine; // as odds to 1
};

// "9-2" is 4.5 to 1; a "+" after it does not count.
double oddsToOne(const std::string& morningLine) {
    const auto dash = morningLine.find('-');
    const double against = dash == std::string::npos ? 0 : std::atof(&morningLine[dash + 1]);
    return against > 0 ? std::atof(morningLine.c_str()) / against : 10.0;
}

std::vector<Runner> runnersOf(const CardRecords& card, const std::string& race) {
    std::vector<Runner> runners;
    for (const auto& entry : card.entries)
        if (fieldValue(thr2drFields(), entry, "RACE") == race)
            runners.push_back({{fieldValue(thr2drFields(), entry, "PROGRAM"),
                                fieldValue(thr2drFields(), entry, "HORSE_NAME")},
                               oddsToOne(fieldValue(thr2drFields(), entry, "AXCIS_ODDS"))});
    return runners;
}

// Up to four runners in the order they finish: each place goes to one of
// those left, a runner's chance in proportion to 1 / (odds + 1).
std::vector<Runner> finishOrder(Dice& dice, std::vector<Runner> left) {
    const auto weight = [](const Runner& runner) { return int(1200 / (runner.morningLine + 1)); };
    std::vector<Runner> order;
    while (order.size() < 4 && !left.empty()) {
        int total = 0;
        for (const auto& runner : left)
            total += weight(runner);
        std::size_t k = 0;
        for (int at = dice.below(total); k + 1 < left.size() && at >= weight(left[k]); ++k)
            at -= weight(left[k]);
        order.push_back(left[k]);
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(k));
    }
    return order;
}

// The tote's odds drift from the morning line.
double toteOdds(Dice& dice, double morningLine) {
    return std::clamp(morningLine * dice.between(60, 160) / 100.0, 0.15, 29.0);
}

// Cents, cut to the dime below as the tote does.
int dimes(double cents) {
    return static_cast<int>(cents / 10) * 10;
}

// A $2 payoff at `odds` when the pool shares out `percent` (give or take 5)
// of the profit a win would pay.
int payoff(Dice& dice, double odds, int percent) {
    return dimes(200 + 2 * odds * (percent + dice.between(-5, 5)));
}

std::string grouped(long long whole) {
    std::string digits = std::to_string(whole);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string money(int cents) {
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%02d", cents % 100);
    return grouped(cents / 100) + fraction;
}

// The second's place and show; a longshot's show is given.
void paySecond(Dice& dice, double odds, int longshotShow, RaceResult& result) {
    const int place =
        longshotShow ? dimes(longshotShow * 1.7) : std::max(220, payoff(dice, odds, 45));
    result.secondPlace = money(place);
    result.secondShow =
        money(longshotShow ? longshotShow : std::clamp(payoff(dice, odds, 25), 210, place - 10));
}

// Win, place and show of the first three; now and then a longshot second or
// third pays 100.00 or more to show. Returns the win payoff in cents.
int payStraightBets(Dice& dice, const std::vector<double>& odds, RaceResult& result) {
    const int win = std::max(230, dimes(200 + 200 * odds[0]));
    const int place = std::clamp(payoff(dice, odds[0], 40), 220, win - 10);
    result.win = money(win);
    result.place = money(place);
    result.show = money(std::clamp(payoff(dice, odds[0], 22), 210, place - 10));
    const int longshotShow = dice.chance(4) ? dice.between(1000, 1600) * 10 : 0;
    const bool longshotSecond = dice.chance(50);
    if (odds.size() > 1)
        paySecond(dice, odds[1], longshotSecond ? longshotShow : 0, result);
    if (odds.size() > 2)
        result.thirdShow =
            money(!longshotSecond && longshotShow ? longshotShow
                                                  : std::max(210, payoff(dice, odds[2], 25)));
    return win;
}

// Each exotic pays more than the one before: the next finisher's odds again,
// within bounds a results page would show.
void payExotics(Dice& dice, const std::vector<double>& odds, int win, RaceResult& result) {
    const auto spread = [&dice] { return dice.between(80, 130) / 100.0; };
    if (odds.size() < 2)
        return;
    const int exacta = std::clamp(dimes(win * (1 + odds[1]) * spread()), win + 100, 500000);
    result.exacta = money(exacta);
    if (odds.size() < 3)
        return;
    const int trifecta =
        std::clamp(dimes(exacta / 2.0 * (1 + odds[2]) * spread()), dimes(exacta * 1.25), 6000000);
    result.trifecta = money(trifecta);
    if (odds.size() < 4 || dice.chance(10))
        return;
    result.superfecta = money(std::clamp(dimes(trifecta * (1 + odds[3]) * spread() / 2),
                                         dimes(trifecta * 1.3), 25000000));
    result.superfectaSpelledOut = dice.chance(50);
}

RaceResult drawRace(Dice& dice, const CardRecords& card, const TableRecord& race) {
    RaceResult result;
    const std::string number = fieldValue(racedrFields(), race, "RACE");
    result.race = std::atoi(number.c_str());
    result.postTime = fieldValue(racedrFields(), race, "POST_TIME");
    result.surface = fieldValue(racedrFields(), race, "SURFACE") == "T" ? "Turf" : "Dirt";
    result.purse = grouped(std::atoll(fieldValue(racedrFields(), race, "PURSE").c_str()));
    std::vector<double> odds;
    for (const Runner& runner : finishOrder(dice, runnersOf(card, number))) {
        result.finishers.push_back(runner.finisher);
        odds.push_back(toteOdds(dice, runner.morningLine));
    }
    if (!odds.empty())
        payExotics(dice, odds, payStraightBets(dice, odds, result), result);
    return result;
}

const TrackLine* sampleTrack(const std::string& code) {
    const auto& tracks = sampleTracks();
    const auto found = std::find_if(tracks.begin(), tracks.end(),
                                    [&](const TrackLine& track) { return track.code == code; });
    return found == tracks.end() ? nullptr : &*found;
}

// "Saturday, December 5, 2026"; a date that is no day of the calendar stays as it is.
std::string raceDay(const std::string& raceDate) {
    using namespace std::chrono;
    static constexpr std::array weekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    static constexpr std::array months = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    if (raceDate.size() != 8)
        return raceDate;
    const int y = std::atoi(raceDate.substr(0, 4).c_str());
    const unsigned m = unsigned(std::atoi(raceDate.substr(4, 2).c_str()));
    const unsigned d = unsigned(std::atoi(raceDate.substr(6, 2).c_str()));
    const year_month_day day{year{y}, month{m}, std::chrono::day{d}};
    if (!day.ok())
        return raceDate;
    return std::string(weekdays[weekday(sys_days(day)).c_encoding()]) + ", " + months[m - 1] + " " +
           std::to_string(d) + ", " + std::to_string(y);
}

// The chart's date line starts with "2026-12-05": Auto Record takes the year
// from the line's first "2", so it reads the date of a card from 2000 on.
std::string isoDate(const std::string& raceDate) {
    if (raceDate.size() != 8)
        return raceDate;
    return raceDate.substr(0, 4) + "-" + raceDate.substr(4, 2) + "-" + raceDate.substr(6, 2);
}

std::string upperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The program number in columns 1-2, the name, then the win, place and show
// columns, each right-aligned in eight.
std::string finisherLine(const Finisher& horse, const std::array<std::string, 3>& payoffs) {
    char line[96];
    std::snprintf(line, sizeof line, "%2s  %-25.25s%8s%8s%8s", horse.program.c_str(),
                  horse.name.c_str(), payoffs[0].c_str(), payoffs[1].c_str(), payoffs[2].c_str());
    return line;
}

void addFinish(std::string& text, const RaceResult& race) {
    const std::array<std::string, 3> payoffs[] = {{race.win, race.place, race.show},
                                                  {"", race.secondPlace, race.secondShow},
                                                  {"", "", race.thirdShow}};
    text += "PRG Horse                           Win   Place    Show\r\n";
    // A field of fewer than three leaves the lines of the missing places blank.
    for (std::size_t k = 0; k < 3; ++k)
        text +=
            (k < race.finishers.size() ? finisherLine(race.finishers[k], payoffs[k]) : "") + "\r\n";
}

void addExotics(std::string& text, const RaceResult& race) {
    if (!race.exacta.empty())
        text += "$2.00 EXACTA " + combination(race, 2) + " paid $" + race.exacta + "\r\n";
    if (!race.trifecta.empty())
        text += "$1.00 TRIFECTA " + combination(race, 3) + " paid $" + race.trifecta + "\r\n";
    if (!race.superfecta.empty())
        text += std::string("$1.00 ") + (race.superfectaSpelledOut ? "SUPERFECTA " : "SU ") +
                combination(race, 4) + " paid $" + race.superfecta + "\r\n";
    if (race.finishers.size() > 3)
        text += "Fourth - " + race.finishers[3].name + "\r\n";
}

void addRace(std::string& text, const RaceResult& race) {
    char heading[96];
    std::snprintf(heading, sizeof heading, "Race: %2d   %s   Purse $%s", race.race,
                  race.surface.c_str(), race.purse.c_str());
    if (!race.postTime.empty())
        text += "Post Time: " + race.postTime + "\r\n";
    text += std::string(heading) + "\r\n\r\n";
    addFinish(text, race);
    text += "\r\n";
    addExotics(text, race);
    text += "\r\n";
}

} // namespace

// The program numbers of the first n finishers, "5-2-1A".
std::string combination(const RaceResult& race, std::size_t n) {
    std::string text = race.finishers[0].program;
    for (std::size_t k = 1; k < n; ++k)
        text += "-" + race.finishers[k].program;
    return text;
}

std::optional<ResultsChart> drawResultsChart(const CardRecords& card, const CardRequest& request) {
    if (card.races.empty())
        return std::nullopt;
    ResultsChart chart;
    chart.track = fieldValue(racedrFields(), card.races.front(), "TRACK");
    chart.raceDate = fieldValue(racedrFields(), card.races.front(), "RACE_DATE");
    const TrackLine* track = sampleTrack(chart.track);
    if (!track)
        return std::nullopt;
    chart.trackName = track->name;
    Dice dice(request.seed ^ chartDice);
    for (const TableRecord& race : card.races)
        chart.races.push_back(drawRace(dice, card, race));
    return chart;
}

std::string resultsChartText(const ResultsChart& chart) {
    const std::string& date = chart.raceDate;
    std::string text = upperCase(chart.trackName) + " RACES - " + raceDay(date) + "\r\n";
    text += "Results\r\n";
    text += isoDate(date) + "  " + chart.trackName + "  (" + chart.track + ")\r\n\r\n";
    for (const RaceResult& race : chart.races)
        addRace(text, race);
    return text;
}

std::string resultsChartFileName(const ResultsChart& chart) {
    return cardFileWithExtension(activeCardFileName(chart.track, chart.raceDate), "pmr");
}

} // namespace tallowmere::cardgen
