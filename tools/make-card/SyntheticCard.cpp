#include "SyntheticCard.h"

#include "Dice.h"
#include "SampleTracks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tallowmere::cardgen {
namespace {

constexpr std::array horseWords1 = {
    "Copper", "Midnight", "Silver",  "Northern", "Gilded",  "Quiet",  "Restless", "Velvet", "Amber",
    "Stormy", "Lucky",    "Rolling", "Distant",  "Crimson", "Hidden", "Wild",     "Brass",  "Salt"};
constexpr std::array horseWords2 = {
    "Lantern", "Ledger", "Harbor",  "Sonnet", "Comet",  "Meadow", "Verdict", "Rambler", "Compass",
    "Tempest", "Falcon", "Orchard", "Anthem", "Voyage", "Cipher", "Ember",   "Thimble", "Quarry"};
constexpr std::array syllables = {"bar", "cor", "del", "fen", "gar", "hal", "ken", "lor",
                                  "mar", "nor", "pel", "ros", "sel", "tor", "val", "wen"};
constexpr std::array endings = {"o", "ez", "ton", "ley", "er", "ick", "ard", "ell", "quin"};
constexpr std::array firstNames = {"Aldo",  "Brisa",  "Corin", "Delphine", "Emrys",    "Fenna",
                                   "Galen", "Hollis", "Ines",  "Jory",     "Kestrel",  "Linnea",
                                   "Marek", "Nyla",   "Orrin", "Perrin",   "Rosalind", "Soren",
                                   "Talia", "Ulric",  "Veda",  "Wynn",     "Yorick",   "Zelda"};
constexpr std::array morningLines = {"2-1", "5-2", "3-1",  "7-2",  "4-1",  "9-2",  "5-1",
                                     "6-1", "8-1", "10-1", "12-1", "15-1", "20-1", "30-1"};
constexpr std::array classes = {"Clm 25000", "Alw 50000", "Md Sp Wt", "Clm 10000",
                                "Aoc 62500", "Md 30000",  "Stk"};
constexpr std::array nonWinners = {"NW1 L", "NW2 L", "NW3 L", "", "", "NW1 X"};
constexpr std::array conditions = {"FT", "FT", "FT", "FT", "GD", "SY", "MY", "FM", "YL"};
constexpr std::array lengths = {"hd", "nk", "1/2", "1", "1 1/2", "2", "3 1/4", "5", "ns"};
constexpr std::array margins = {"ns", "hd", "nk", "", "", ""};
constexpr std::array unlistedTracks = {"BTP", "FL", "RP", "ELP"};

std::string capitalised(std::string word) {
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::string personName(Dice& dice) {
    return capitalised(std::string(dice.pick(syllables)) + dice.pick(endings)) + ", " +
           dice.pick(firstNames);
}

std::string fixed(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// 72.4 seconds is written 112.4: the minutes go into the hundreds.
double secondsForm(double seconds) {
    const double minutes = std::floor(seconds / 60.0);
    return minutes * 100.0 + (seconds - minutes * 60.0);
}

std::string furlongsText(double furlongs) {
    return furlongs == std::floor(furlongs) ? std::to_string(int(furlongs)) : fixed(furlongs, 1);
}

std::string dateBefore(const std::string& raceDate, int days) {
    int year = std::stoi(raceDate.substr(0, 4));
    int month = std::stoi(raceDate.substr(4, 2));
    int day = std::stoi(raceDate.substr(6, 2)) - days;
    static constexpr int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    while (day < 1) {
        if (--month < 1) {
            month = 12;
            --year;
        }
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        day += daysIn[month - 1] + (month == 2 && leap ? 1 : 0);
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", year, month, day);
    return buffer;
}

struct Race {
    int number;
    double furlongs;
    std::string distanceText;
    std::string surface;
    int firstEntry;
    int entries;
};

TableRecord raceRecord(Dice& dice, const Race& race, const CardRequest& request) {
    const std::string cls = dice.pick(classes);
    const int purse = dice.between(12, 90) * 1000;
    const int minutes = 60 + 30 * race.number;
    char postTime[16];
    std::snprintf(postTime, sizeof postTime, "%d:%02d PM", (minutes / 60 + 11) % 12 + 1,
                  minutes % 60);
    return {{std::to_string(race.number), race.distanceText, race.surface, std::to_string(purse),
             std::to_string(dice.between(70, 110)), "FOR THREE YEAR OLDS AND UPWARD (" + cls + ").",
             "Three Year Olds, 118 lbs.; Older, 124 lbs.",
             "Non-winners Of A Race Since " + std::to_string(dice.between(1, 12)) +
                 " Months Allowed 2 lbs.",
             cls.rfind("Clm", 0) == 0 ? "Claiming Price $" + cls.substr(4) + "." : "",
             "Exacta, Trifecta, Superfecta, Pick 3", postTime, request.raceDate, request.track,
             std::to_string(race.firstEntry)}};
}

std::string workout(Dice& dice, const std::string& track) {
    const int furlongs = dice.between(3, 6);
    const double seconds = furlongs * dice.between(1180, 1290) / 100.0;
    char text[40];
    if (furlongs <= 4)
        std::snprintf(text, sizeof text, "%df %-3s ft %6.2f", furlongs, track.c_str(), seconds);
    else
        std::snprintf(text, sizeof text, "%df %-3s ft %7.2f", furlongs, track.c_str(),
                      secondsForm(seconds));
    return text;
}

TableRecord entryRecord(Dice& dice, int hn, const Race& race, int post, const std::string& program,
                        int jockeys, int trainers, const std::string& track) {
    std::string odds = dice.pick(morningLines);
    if (dice.chance(10))
        odds += "+";
    return {{std::to_string(hn), std::to_string(race.number), program, std::to_string(post),
             std::string(dice.pick(horseWords1)) + " " + dice.pick(horseWords2), odds,
             std::to_string(dice.between(116, 124)), std::to_string(dice.between(1, jockeys)),
             std::to_string(dice.between(1, trainers)), workout(dice, track), workout(dice, track),
             ""}};
}

TableRecord pastRecord(Dice& dice, int hn, double ability, int daysBack, int jockeys,
                       const CardRequest& request) {
    static constexpr std::array distances = {5.0, 5.5, 6.0, 6.0, 6.5, 7.0, 8.0, 8.5, 9.0};
    const double furlongs = dice.pick(distances);
    const std::string surface = dice.chance(20) ? "T" : (dice.chance(5) ? "E" : "D");
    const double perFurlong = 11.9 + 0.9 * (1.0 - ability) + dice.fraction() * 0.4;
    const double final = furlongs * perFurlong;
    const double firstCall = 2 * (perFurlong - 0.6);
    const double secondCall = 4 * (perFurlong - 0.4);
    const double thirdCall = (furlongs < 8 ? 5 : 6) * (perFurlong - 0.2);
    const int finish = dice.between(1, 10);
    const std::string trackCode =
        dice.chance(10) ? std::string(dice.pick(unlistedTracks))
                        : (dice.chance(60) ? request.track : dice.pick(sampleTracks()).code);
    char trackRace[8];
    std::snprintf(trackRace, sizeof trackRace, "%-3s%d", trackCode.c_str(), dice.between(1, 11));
    const std::string finishText = finish == 1 ? "1" : std::to_string(finish) + dice.pick(margins);
    return {{std::to_string(hn),
             dateBefore(request.raceDate, daysBack),
             trackRace,
             dice.pick(conditions),
             std::to_string(dice.between(5, 25)),
             furlongsText(furlongs) + surface,
             fixed(secondsForm(firstCall), 1),
             fixed(secondsForm(secondCall), 1),
             fixed(secondsForm(thirdCall), 1),
             fixed(secondsForm(final), 2),
             dice.pick(nonWinners),
             dice.pick(classes),
             std::to_string(dice.between(116, 124)),
             std::to_string(dice.between(65, 110)),
             std::to_string(int(60 + 40 * ability) + dice.between(-8, 8)),
             std::to_string(dice.between(1, 12)),
             std::to_string(dice.between(1, 12)),
             dice.pick(lengths),
             dice.pick(lengths),
             dice.pick(lengths),
             finishText,
             std::to_string(finish),
             std::to_string(dice.between(1, jockeys)),
             fixed(dice.between(6, 400) / 10.0 + 0.0, 2),
             dice.chance(15) ? "*" : ""}};
}

std::vector<Race> layOutRaces(Dice& dice, const CardShape& shape) {
    static constexpr std::array distances = {"5.00", "5.50", "6.00", "6.00", "6.50",
                                             "7.00", "8.00", "8.50", "9.00", "1.06"};
    std::vector<Race> races;
    int firstEntry = 1;
    for (int r = 1; r <= shape.races; ++r) {
        const std::string distance = dice.pick(distances);
        races.push_back({r, std::stod(distance), distance, dice.chance(25) ? "T" : "D", firstEntry,
                         shape.entriesPerRace});
        firstEntry += shape.entriesPerRace;
    }
    return races;
}

std::vector<std::string> programNumbers(Dice& dice, int entries) {
    std::vector<std::string> programs;
    const bool coupled = entries >= 3 && dice.chance(15);
    for (int i = 1; i <= entries; ++i) {
        if (coupled && i == 2)
            programs.push_back("1A");
        else
            programs.push_back(std::to_string(coupled && i > 2 ? i - 1 : i));
    }
    return programs;
}

} // namespace

CardRecords makeCard(const CardRequest& original) {
    Dice dice(original.seed);
    CardRequest request = original;
    if (request.track.empty())
        request.track = dice.pick(sampleTracks()).code;
    const CardShape& shape = request.shape;
    const int jockeys = std::clamp(shape.entriesPerRace + 6, 10, 400);
    const int trainers = std::clamp(shape.entriesPerRace + 4, 8, 400);

    CardRecords card;
    for (int j = 1; j <= jockeys; ++j)
        card.jockeys.push_back({{std::to_string(j), personName(dice)}});
    for (int t = 1; t <= trainers; ++t)
        card.trainers.push_back({{std::to_string(t), personName(dice)}});

    for (const Race& race : layOutRaces(dice, shape)) {
        card.races.push_back(raceRecord(dice, race, request));
        const std::vector<std::string> programs = programNumbers(dice, race.entries);
        for (int i = 0; i < race.entries; ++i) {
            const int hn = race.firstEntry + i;
            card.entries.push_back(
                entryRecord(dice, hn, race, i + 1, programs[i], jockeys, trainers, request.track));
            const double ability = dice.fraction();
            int daysBack = 0;
            for (int k = 0; k < shape.pastRacesPerEntry; ++k) {
                daysBack += dice.between(14, 45);
                card.pastRaces.push_back(pastRecord(dice, hn, ability, daysBack, jockeys, request));
            }
        }
    }
    return card;
}

} // namespace tallowmere::cardgen
