#include "results/ResultsChart.h"

#include "card/CardFileNames.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <algorithm>
#include <optional>

namespace tallowmere {
namespace {

constexpr auto npos = std::string_view::npos;

std::string_view upTo(std::string_view text, char mark) {
    return text.substr(0, text.find(mark));
}

// The first track line whose first n characters, trimmed, are the card's
// n-character track code gives the chart's track code: its first 5, trimmed.
std::optional<std::string> chartTrackCode(const TrackFile& tracks, std::string_view cardTrack) {
    const auto line = findTrackLineByPrefix(tracks, cardTrack);
    return line ? std::optional<std::string>(fiveColumnCodeOf(*line)) : std::nullopt;
}

// Year, month and day run together, from the first "2" of the date line.
std::optional<std::string> chartDate(std::string_view line) {
    const auto at = line.find('2');
    if (at == npos)
        return std::nullopt;
    const std::size_t first = at + 1;
    return std::string(text::columnsOf(line, first, 4)) +
           std::string(text::columnsOf(line, first + 5, 2)) +
           std::string(text::columnsOf(line, first + 8, 2));
}

// A text without a digit holds no payoff: the chart left it out. One with
// digits is a payoff to record or none at all ("1e308", "5.4O").
bool holdsDigits(std::string_view text) {
    return text.find_first_of("0123456789") != npos;
}

// Win, place and show payoffs: "###.#0", right-aligned in 6; one the chart
// leaves out is .00. Nothing for a text that is no payoff to record.
std::optional<std::string> payoffText(std::string_view text) {
    const auto amount = holdsDigits(text) ? text::recordablePayoff(text) : 0.0;
    if (!amount)
        return std::nullopt;
    return text::rightAligned(text::formatNumber(*amount, "###.#0"), 6);
}

// The last blank-separated field of a text.
std::string lastField(std::string_view text) {
    const std::string whole = text::trimmed(text);
    const auto blank = whole.find_last_of(' ');
    return blank == npos ? whole : whole.substr(blank + 1);
}

// Exacta, trifecta and superfecta: the whole amount after the line's last
// "$" (the last field of a line without one), as it stands. Nothing for a
// text that is no payoff to record.
std::optional<std::string> exoticPayoff(std::string_view line) {
    const auto dollar = line.rfind('$');
    std::string payoff = lastField(dollar == npos ? line : line.substr(dollar + 1));
    if (holdsDigits(payoff) && !text::recordablePayoff(payoff))
        return std::nullopt;
    return payoff;
}

// The first payoff of a finisher line: the 6 characters from the first digit
// 1 to 9 after column 2; then what follows one character past them, trimmed.
struct FirstPayoff {
    std::string payoff;
    std::string rest;
};
std::optional<FirstPayoff> firstPayoff(std::string_view line) {
    const auto at = line.find_first_of("123456789", 2);
    if (at == npos)
        return std::nullopt;
    return FirstPayoff{std::string(line.substr(at, 6)),
                       text::trimmed(text::columnsOf(line, at + 8))};
}

// The fourth finisher from a superfecta line: in the combination ("SU " from
// column 10, "SUP" from column 18, 11 characters) the last hyphen-separated
// element before the first "p", as a number with one leading blank.
std::optional<std::string> fourthFinisher(std::string_view line) {
    const std::string_view form = text::columnsOf(line, 7, 3);
    const std::string_view combination = form == "SU "   ? text::columnsOf(line, 10, 11)
                                         : form == "SUP" ? text::columnsOf(line, 18, 11)
                                                         : std::string_view{};
    const auto p = combination.find('p');
    if (p == npos)
        return std::nullopt;
    const std::string_view beforeP = combination.substr(0, p);
    const auto hyphen = beforeP.find_last_of('-');
    const std::string_view element = hyphen == npos ? beforeP : beforeP.substr(hyphen + 1);
    return " " + text::textOf(text::numberOf(element));
}

class ChartRecorder {
  public:
    explicit ChartRecorder(int currentRace) { reading_.lastRace = currentRace; }

    ChartReading read(std::span<const std::string> lines) {
        for (std::size_t at = 0; at < lines.size() && !reading_.ended; ++at) {
            const std::string_view line = lines[at];
            if (line.find(':') != npos)
                raceHeading(line);
            else if (line.starts_with("PRG"))
                at += finishers(lines.subspan(at + 1));
            else
                payoffLine(line);
        }
        return std::move(reading_);
    }

  private:
    ChartReading reading_;

    // A payoff that is none to record is left out, and its line named once.
    void leaveOut(std::string_view line) {
        if (reading_.leftOut.empty() || reading_.leftOut.back().line != line)
            reading_.leftOut.push_back({reading_.lastRace, std::string(line)});
    }

    // A value for a race outside the rows of CardPayoffs (0 to 20), which only
    // the race the reading starts at can be, ends the reading.
    void store(RecordArray array, int column, std::string text) {
        if (reading_.lastRace < 0 || reading_.lastRace > limits::payoffRaces)
            reading_.ended = true;
        if (!reading_.ended)
            reading_.values.push_back({reading_.lastRace, array, column, std::move(text)});
    }
    void pick(int column, std::string_view line) {
        store(RecordArray::CardPicks, column, text::firstChars(line, 2));
    }
    void payoff(int column, std::optional<std::string> text, std::string_view line) {
        if (text)
            store(RecordArray::CardPayoffs, column, std::move(*text));
        else if (!reading_.ended)
            leaveOut(line);
    }

    // The race is the number in the 3 characters after the first ":". One
    // outside the rows of CardPayoffs (0 to 20) ends the reading.
    void raceHeading(std::string_view line) {
        const auto race =
            text::wholeNumber(text::numberOf(text::columnsOf(line, line.find(':') + 2, 3)));
        if (!race || *race < 0 || *race > limits::payoffRaces) {
            reading_.ended = true;
            return;
        }
        reading_.lastRace = *race;
    }

    // The three finisher lines after a finish heading; returns how many of
    // them were read. A chart ending before the third ends the reading.
    std::size_t finishers(std::span<const std::string> next) {
        if (!next.empty())
            winner(next[0]);
        if (next.size() > 1)
            second(next[1]);
        if (next.size() > 2)
            third(next[2]);
        else
            reading_.ended = true;
        return std::min<std::size_t>(next.size(), 3);
    }

    // Win, then place as the first 6 characters of the rest; show as its last
    // field when the rest holds two payoffs, else missing (.00).
    void winner(std::string_view line) {
        pick(5, line);
        const auto first = firstPayoff(line);
        if (!first)
            return;
        const std::string& rest = first->rest;
        payoff(1, payoffText(first->payoff), line);
        payoff(2, payoffText(text::firstChars(rest, 6)), line);
        payoff(3, payoffText(rest.find(' ') == npos ? "" : lastField(rest)), line);
    }

    void second(std::string_view line) {
        pick(6, line);
        const auto first = firstPayoff(line);
        if (!first)
            return;
        payoff(4, payoffText(first->payoff), line);
        payoff(5, payoffText(lastField(first->rest)), line);
    }

    void third(std::string_view line) {
        pick(7, line);
        payoff(6, payoffText(lastField(line)), line);
    }

    void payoffLine(std::string_view line) {
        const std::string_view bet = text::columnsOf(line, 7, 2);
        if (bet == "EX") {
            payoff(7, exoticPayoff(line), line);
        } else if (bet == "TR") {
            payoff(8, exoticPayoff(line), line);
        } else if (bet == "SU") {
            payoff(9, exoticPayoff(line), line);
            if (auto fourth = fourthFinisher(line))
                store(RecordArray::CardPicks, 8, std::move(*fourth));
        }
    }
};

} // namespace

ChartCheck checkChart(std::span<const std::string> chartLines, const TrackFile& tracks,
                      std::string_view activeCardFile) {
    ChartCheck check;
    check.cardStem = cardStem(activeCardFile);
    const std::string cardTrack = text::trimmed(upTo(activeCardFile, '_'));
    const std::string stem = text::trimmedLeft(check.cardStem);
    bool trackFound = false;
    for (std::size_t at = 0; at < chartLines.size(); ++at) {
        if (trackFound || !chartLines[at].starts_with("Results"))
            continue;
        if (++at == chartLines.size()) {
            check.outcome = ChartCheck::Outcome::Failed;
            return check;
        }
        const auto date = chartDate(chartLines[at]);
        if (!date) {
            check.outcome = ChartCheck::Outcome::Failed;
            return check;
        }
        const auto track = chartTrackCode(tracks, cardTrack);
        trackFound = track.has_value();
        check.chartIdentity = track.value_or("") + "_" + *date;
        if (stem != check.chartIdentity) {
            check.outcome = ChartCheck::Outcome::Refused;
            return check;
        }
    }
    return check;
}

ChartReading readChart(std::span<const std::string> chartLines, int currentRace) {
    return ChartRecorder(currentRace).read(chartLines);
}

void recordChartValues(RecordArrays& records, std::span<const ChartValue> values) {
    for (const auto& value : values) {
        if (value.array == RecordArray::CardPicks)
            records.CardPicks.set(value.race, value.column, value.text);
        else
            records.CardPayoffs.set(value.race, value.column, value.text);
    }
}

} // namespace tallowmere
