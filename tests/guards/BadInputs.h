#pragma once

#include "CardSchema.h"
#include "ChartCsvWriter.h"
#include "ResultsChartWriter.h"
#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "card/DataRoot.h"
#include "cli/BatchRun.h"
#include "support/TempFolder.h"

#include <functional>
#include <sstream>
#include <sys/stat.h>

// Bad inputs, one a row: how each is made from the data root of a small card,
// the tallowmere-cli commands that meet it, and what the user is shown.
namespace tallowmere::testing {

using Root = std::filesystem::path;
using Commands = std::vector<std::string>;
using Spoil = std::function<void(const Root&)>;

struct BadInput {
    std::string name;
    Spoil spoil; // spoils a data root holding the small card
    Commands commands;
    int status;
    std::string said; // stdout then stderr; ROOT stands for the data root
    // A file the run leaves as the plain card's run does (after the input's own lines).
    std::string asPlain = {};
    bool unchanged = false; // the run writes nothing at all
};

inline cardgen::CardRequest smallCard() {
    cardgen::CardRequest request;
    request.shape = {2, 3, 2};
    request.track = "SAR";
    return request;
}

inline Root tables(const Root& root) {
    return DataRoot{root}.trackMasterFolder();
}

// The small card's tables, the sample tracks' TrackEditor.ini and the card's chart.
inline void makePlainRoot(const Root& root) {
    const cardgen::CardRecords card = cardgen::makeCard(smallCard());
    cardgen::writeCardTables(card, tables(root));
    writeFile(root / "TrackEditor.ini", cardgen::trackEditorIni(cardgen::sampleTracks()));
    const auto chart = cardgen::drawResultsChart(card, smallCard());
    std::filesystem::create_directories(DataRoot{root}.resultsFolder());
    writeFile(DataRoot{root}.resultsFolder() / cardgen::resultsChartFileName(*chart),
              cardgen::resultsChartText(*chart));
}

struct Said {
    int status;
    std::string text;
};

inline Said runOn(const Root& root, Commands commands) {
    commands.insert(commands.begin(), {"--data-root", root.string()});
    std::ostringstream out, err;
    const int status = cli::runBatch(commands, out, err, "/opt/tm");
    std::string text = out.str() + err.str();
    const std::string path = root.string();
    for (auto at = text.find(path); at != std::string::npos; at = text.find(path, at))
        text.replace(at, path.size(), "ROOT");
    return {status, text};
}

// The file's bytes, changed.
inline Spoil changeBytes(std::string file, std::function<void(std::string&)> change) {
    return [file, change](const Root& root) {
        std::string bytes = std::filesystem::exists(root / file) ? readFile(root / file) : "";
        change(bytes);
        std::filesystem::create_directories((root / file).parent_path());
        writeFile(root / file, bytes);
    };
}

// The card with `value` in field `field` of every record of one table; the
// race table's fields as wide as `raceFields` says.
inline Spoil everyRecord(std::vector<cardgen::TableRecord> cardgen::CardRecords::*table, int field,
                         std::string value,
                         std::vector<cardgen::FieldSpec> raceFields = cardgen::racedrFields()) {
    return [=](const Root& root) {
        cardgen::CardRecords card = cardgen::makeCard(smallCard());
        for (auto& record : card.*table)
            record.values[field] = value;
        cardgen::writeCardTables(card, tables(root));
        cardgen::writeTable(tables(root) / "RACEDR.DBF", raceFields, card.races);
    };
}

inline Spoil folderFor(std::string table) {
    return [table](const Root& root) {
        std::filesystem::remove(tables(root) / table);
        std::filesystem::create_directory(tables(root) / table);
    };
}

// A FIFO in place of a file.
inline Spoil fifoAt(std::string file) {
    return [file](const Root& root) {
        std::filesystem::remove(root / file);
        std::filesystem::create_directories((root / file).parent_path());
        ::mkfifo((root / file).c_str(), 0644);
    };
}
// A file whose reading fails: a link to the reading program's own memory,
// whose first page is never mapped.
inline Spoil unreadableAt(std::string file) {
    return [file](const Root& root) {
        std::filesystem::remove(root / file);
        std::filesystem::create_symlink("/proc/self/mem", root / file);
    };
}

// The small card's chart as a chart file in place of its text chart, changed.
inline Spoil chartFile(std::function<void(std::string&)> change) {
    return [change](const Root& root) {
        const auto chart = *cardgen::drawResultsChart(cardgen::makeCard(smallCard()), smallCard());
        const auto results = DataRoot{root}.resultsFolder();
        std::filesystem::remove(results / cardgen::resultsChartFileName(chart));
        std::string bytes = cardgen::resultsChartCsv(chart);
        change(bytes);
        writeFile(results / cardgen::resultsChartCsvName(chart), bytes);
    };
}
inline Spoil replaced(std::string from, std::string to) {
    return chartFile([=](std::string& b) { b.replace(b.find(from), from.size(), to); });
}
const std::string chartCsv = "MESSAGE Tallowmere TB: \"ROOT/Results/SAR20261205tch.csv\"";

inline BadInput row(std::string name, Spoil spoil, Commands commands, int status, std::string said,
                    std::string asPlain = "", bool unchanged = false) {
    return {name, spoil, commands, status, said, asPlain, unchanged};
}

const std::string noRace =
    "MESSAGE Tallowmere TB: No race could be read from the tables in TrackMaster ExE Files.\n";
const std::string cardFile = "Race Cards/  SAR_20261205.pmd";
const std::string racedr = "TrackMaster ExE Files/RACEDR.DBF";

inline std::string notRegular(const std::string& file) {
    return "MESSAGE Tallowmere TB: \"ROOT/" + file +
           "\" is not a regular file: nothing was read or written.\n";
}

inline std::vector<BadInput> badInputs() {
    using cardgen::CardRecords;
    const std::string thr2dr = "TrackMaster ExE Files/THR2DR.DBF";
    const auto cutTo = [](std::string file, long keep) {
        return changeBytes(file,
                           [keep](std::string& b) { b.resize(keep < 0 ? b.size() + keep : keep); });
    };
    auto fourWideCodes = cardgen::racedrFields();
    fourWideCodes[12].width = 4;
    // The race table still counts the entries, so their scratch buttons show.
    const std::string noEntry =
        "MESSAGE Scratch Entry: Are you sure you want to Scratch    ?    \n";
    Commands scratches = {"start"};
    std::string asked;
    for (int i = 0; i < 1'000; ++i) {
        scratches.insert(scratches.end(), {"scratch", "1", "scratch", "1"});
        asked += "MESSAGE Scratch Entry: Are you sure you want to Scratch 1  Crimson Anthem ?    \n"
                 "MESSAGE Reinstate Entry: Reinstate 1  Crimson Anthem ?\n";
    }
    return {
        row("RaceTableCutInItsSecondRace", cutTo(racedr, -100), {"start", "race", "2"}, 2,
            "tallowmere-cli: race refused: Command2(2) is hidden\n"),
        row("RaceTableCutInItsHeader", cutTo(racedr, 20), {"start"}, 0, noRace, "", true),
        row("EntriesTableCutToItsHeader", cutTo(thr2dr, 32 * 13 + 1), {"start", "scratch", "1"}, 0,
            noEntry),
        // The table reader keeps 31 bits of the count: the table reads as empty.
        row("HeaderClaimingTwoToThe31Records",
            changeBytes(racedr,
                        [](std::string& b) { b.replace(4, 4, std::string("\0\0\0\x80", 4)); }),
            {"start"}, 0, noRace, "", true),
        row("FieldOfLengthZero",
            changeBytes(thr2dr, [](std::string& b) { b[32 + 32 * 4 + 16] = 0; }),
            {"start", "close"}, 0, ""),
        row("RaceNumberWithLetters", everyRecord(&CardRecords::races, 0, "1x"), {"start"}, 0,
            noRace, "", true),
        row("RaceDate99999999", everyRecord(&CardRecords::races, 11, "99999999"),
            {"start", "close"}, 0, ""),
        row("PastRaceDate99999999", everyRecord(&CardRecords::pastRaces, 1, "99999999"),
            {"start", "close"}, 0, ""),
        row("RaceTableIsAFolder", folderFor("RACEDR.DBF"), {"start"}, 0, noRace, "", true),
        row("EntriesTableIsAFolder", folderFor("THR2DR.DBF"), {"start", "scratch", "1"}, 0,
            noEntry),
        row("ResultsChartOf50MB",
            changeBytes(
                "Results/  SAR_20261205.pmr",
                [](std::string& b) {
                    while (b.size() < 50'000'000)
                        b += "Weather Clear   Track Fast   Turf Firm   Attendance 12,000\r\n";
                }),
            {"start", "auto-record", "close"}, 0, "", cardFile),
        row("ResultsChartOf64MBAndAByte",
            changeBytes("Results/  SAR_20261205.pmr",
                        [](std::string& b) { b.resize((64u << 20) + 1, ' '); }),
            {"start", "auto-record"}, 0,
            "MESSAGE Tallowmere TB: \"ROOT/Results/  SAR_20261205.pmr\" is larger than 64 MB: it "
            "is not a results chart. Nothing was recorded.\n"),
        row("ChartFileWithACutLine", chartFile([](std::string& b) { b.resize(b.size() - 30); }),
            {"start", "auto-record"}, 0,
            chartCsv + ": 1 lines could not be read and were left out (the first is line 8).\n"),
        row("ChartFileRaceRecordOfTooFewFields",
            replaced("R,TB,SAR,20261205,2", "R,TB,SAR\r\nR,TB,SAR,20261205,2"),
            {"start", "auto-record"}, 0,
            chartCsv + ": 1 lines could not be read and were left out (the first is line 5).\n"),
        row("ChartFileLettersInAPayout", replaced("37.70", "37.7O"), {"start", "auto-record"}, 0,
            "MESSAGE Tallowmere TB: Race 1: \"37.7O\" holds no payoff Tallowmere TB can record; it "
            "was left out.\n"),
        row("ChartFileOf50MB", chartFile([](std::string& b) {
                while (b.size() < 50'000'000)
                    b += "H,SAR,20261205,2,D" + std::string(40, ',') + "\r\n";
            }),
            {"start", "auto-record"}, 0, ""),
        row("ChartFileOfAnotherCard", replaced("R,TB,SAR,20261205", "R,TB,SAR,20261206"),
            {"start", "auto-record"}, 0,
            "MESSAGE Tallowmere TB: Active File and Results File do not match!  Record Results "
            "cannot continue! Check TRC file for correct date and track.\nMESSAGE Tallowmere TB: "
            "Card:   SAR_20261205   Chart: SAR_20261206\n"),
        row("ChartFileNotStartingWithARaceRecord", replaced("R,", "H,SAR\r\nR,"),
            {"start", "auto-record"}, 0,
            chartCsv + " is not a chart in the vendor's comma-delimited layout: nothing was "
                       "recorded.\n"),
        row("ArchiveIsAFifo", fifoAt("TBA.ini"),
            {"start", "auto-record", "summary", "record", "profile", "ALL"}, 0,
            notRegular("TBA.ini") + notRegular("TBA.ini")),
        row("ArchiveThatCannotBeRead", unreadableAt("TBA.ini"),
            {"start", "auto-record", "summary", "record", "profile", "ALL"}, 0,
            "MESSAGE Tallowmere TB: The archive \"ROOT/TBA.ini\" could not be read: Input/output "
            "error. Nothing was recorded.\nMESSAGE Tallowmere TB: The archive \"ROOT/TBA.ini\" "
            "could not be read: Input/output error.\n"),
        row("RecordFileIsAFifo", fifoAt(cardFile), {"start", "race", "2", "close"}, 0,
            notRegular(cardFile)),
        row("AbsurdPayoffInTheChart",
            changeBytes("Results/  SAR_20261205.pmr",
                        [](std::string& b) { b += "$2.00 EXACTA 1-2 paid $1e308\r\n"; }),
            {"start", "auto-record"}, 0,
            "MESSAGE Tallowmere TB: Race 2: \"$2.00 EXACTA 1-2 paid $1e308\" holds no payoff "
            "Tallowmere TB can record; it was left out.\n"),
        row("TrackEditorLineOf10MB",
            changeBytes("TrackEditor.ini",
                        [](std::string& b) { b.insert(0, std::string(10'000'000, 'x') + "\r\n"); }),
            {"start"}, 0, "", "Selections2/  SAR_20261205.pms2"),
        row("ArchiveLineOf1MB",
            changeBytes("TBA.ini",
                        [](std::string& b) { b = std::string(1'000'000, 'x') + "\r\n"; }),
            {"start", "auto-record", "summary", "record"}, 0, "", "TBA.ini"),
        row("TrackCodeLeavingItsFolder",
            everyRecord(&CardRecords::races, 12, "../x", fourWideCodes), {"start"}, 0,
            "MESSAGE Tallowmere TB: This race card's track code or date cannot be used in a file "
            "name: ../x\nMESSAGE Tallowmere TB: \"ROOT/TrackEditor.ini\" does not list ../x: speed "
            "values are taken as 0, so the ratings differ from those with the track listed.\n",
            "", true),
        row("NulBytesInTextFields",
            everyRecord(&CardRecords::entries, 4, std::string("Sea\0Breeze", 10)),
            {"start", "program", "close"}, 0, "VIEW ROOT/Programs/  SAR_20261205.ppp\n"),
        row("RecordFileOfAnotherCard",
            changeBytes(cardFile, [](std::string& b) { b = "\"\"\r\n"; }), {"start", "close"}, 0,
            "MESSAGE Tallowmere TB: The saved race card ROOT/" + cardFile +
                " does not match this card and was not loaded. It will be kept as ROOT/" +
                cardFile + ".bak.\n",
            cardFile),
        row("AThousandScratchesAndReinstatementsInARow", {}, scratches, 0, asked),
        row("TextNotInUtf8", {}, {"start", "type", "Text39", "5", "\xff\xfe\x80", "close"}, 0, ""),
        row("RaceNumberNotInUtf8", {}, {"start", "race", "\xff"}, 2,
            "tallowmere-cli: race: bad argument \xff\n" + std::string(cli::batchUsage), "", true),
        row("ArgumentOf1MB", {},
            {"start", "type", "Text39", "5", std::string(1'000'000, 'y'), "close"}, 0, ""),
    };
}

} // namespace tallowmere::testing
