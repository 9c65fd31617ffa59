#include "rating/HandicappingRun.h"

#include "card/CardFileNames.h"
#include "card/CardLoad.h"
#include "card/CardSaving.h"
#include "card/CardSwap.h"
#include "card/DataRoot.h"
#include "card/RecordFile.h"
#include "card/ScratchFile.h"
#include "card/UnusableFiles.h"
#include "card/WorkFolder.h"
#include "model/MakerLines.h"
#include "model/RaceBoxes.h"
#include "rating/PaceRating.h"
#include "rating/RaceOneGrid.h"
#include "rating/TrackParameters.h"
#include "rating/WorkoutRating.h"
#include "selection/ScratchMarks.h"
#include "selection/Scratches.h"
#include "selection/TopFour.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <set>

namespace tallowmere {
namespace {

void lockMenus(Form1& form) {
    form.menus.MainScreen.visible = false;
    form.menus.NewRC.enabled = false;
    form.menus.Exit_Program.enabled = false;
}

void loadCard(Form1& form, CardTables& tables) {
    const CardLoadObserver captionScratchButtons{[&form](int entry, const std::string& program) {
        if (Button* scratch = form.Command3.find(entry))
            scratch->caption = program;
    }};
    form.Card = loadCardStore(tables, captionScratchButtons);
    form.Scratched.clear();
}

// Race 1's scratch buttons, and seven grid rows per entry after three of heading.
void frameRaceOne(Form1& form) {
    const auto entries = entriesOfRace(form.Card, 1);
    if (!entries)
        return;
    for (int k = 1; k <= *entries; ++k)
        if (Button* scratch = form.Command3.find(k))
            scratch->visible = true;
    if (const auto rows = text::wholeNumber(7.0 * *entries + 3); rows && *rows >= 0)
        form.MSFlexGrid1.setRows(*rows);
}

// A rating that is no number, or above 100, counts as 0.0.
std::string storedPastRating(const std::string& rating) {
    const auto value = text::strictNumber(rating);
    return !value || *value > 100 ? "0.0" : rating;
}

void rateEntry(Form1& form, int e, int race, int& gridRow, const TrackFile& tracks) {
    CardStore& card = form.Card;
    gridRow += 2;
    writeEntryTitle(form.MSFlexGrid1, card, e, gridRow);
    if (const auto program = text::wholeNumber(text::numberOf(card.EntryProgram.valueAt(e))))
        card.ProgramEntry.set(race, *program, static_cast<std::int16_t>(e));
    form.setCardDate(card.RaceDate.valueAt(1));
    for (int k = 1; k <= 5; ++k) {
        const std::string rating = storedPastRating(LastQuarterCalc(form, e, k, race, tracks));
        card.PaceRatings.set(e, k, text::rightAligned(rating, 5));
        writePastRaceRow(form.MSFlexGrid1, card, e, k, gridRow, rating);
        ++gridRow;
        if (k == 5)
            WorkOut(form, e, k, gridRow, tracks);
    }
}

void rateEveryEntry(Form1& form, const TrackFile& tracks) {
    int gridRow = 1;
    int race = 1;
    form.CurrentRace = 1;
    if (GridCell* header = form.MSFlexGrid1.cell(1, 0)) {
        header->text = raceOneHeader(form.Card);
        header->bold = true;
        header->fontSize = 10;
    }
    for (int e = 1; e <= form.Card.EntryCount; ++e) {
        // A next race whose first entry is beyond the store counts as begun.
        const auto nextFirst = form.Card.RaceFirstEntry.at(race + 1);
        if (!nextFirst || e == *nextFirst) {
            ++gridRow;
            ++race;
        }
        rateEntry(form, e, race, gridRow, tracks);
    }
}

void showRaceButtons(Form1& form) {
    form.Command1.caption = "Race: ";
    form.Command1.enabled = false;
    for (int r = 1; r <= form.Card.RaceCount; ++r)
        if (Button* race = form.Command2.find(r)) {
            race->visible = true;
            race->backColor = lightGrey;
        }
    if (Button* first = form.Command2.find(1))
        first->backColor = red;
}

// Names the card's files from race 1's track (right-aligned in five, in place)
// and date; a name that would leave its folder is refused and no file of the
// card is written.
void nameCardFiles(Form1& form) {
    CardStore& card = form.Card;
    card.RaceTrack.set(1, text::rightAligned(card.RaceTrack.valueAt(1), 5));
    const std::string track = card.RaceTrack.valueAt(1);
    const std::string date = card.RaceDate.valueAt(1);
    for (const std::string& part : {track, date})
        if (leavesItsFolder(part)) {
            form.platform.showMessage(
                {"Tallowmere TB",
                 "This race card's track code or date cannot be used in a file name: " +
                     text::trimmed(part),
                 MessageButtons::Ok, MessageIcon::Exclamation});
            form.ActiveCardFile.clear();
            form.KeySelectionsFile.clear();
            return;
        }
    form.ActiveCardFile = activeCardFileName(track, date);
    form.KeySelectionsFile = cardFileWithExtension(form.ActiveCardFile, "pms2");
}

// The track's name from TrackEditor.ini becomes the card's track name (a track
// the list does not name keeps the one it had); reading a line trims
// race 1's track code in place.
void showTrackName(Form1& form, const TrackFile& tracks) {
    if (tracks.lines().empty())
        return;
    const std::string code = text::trimmed(form.Card.RaceTrack.valueAt(1));
    form.Card.RaceTrack.set(1, code);
    if (const std::string* line = tracks.lineOfCode(code))
        form.setTrackName(trackNameOf(*line));
}

std::filesystem::path keySelectionsPath(const Form1& form) {
    return DataRoot{form.DataRoot}.keySelectionsFolder() / form.KeySelectionsFile;
}

// Finds the track's name, then creates (or empties) the key-selections file
// and writes its six head lines.
void writeKeySelectionsHead(Form1& form, const TrackFile& tracks) {
    showTrackName(form, tracks);
    if (!form.KeySelectionsFile.empty())
        writeFileOrTell(form, keySelectionsPath(form),
                        "Tallowmere Thoroughbred\r\n" + std::string(maker::makerLine) + "\r\n" +
                            form.Card.RaceTrack.valueAt(1) + " " + form.trackName() + "\r\n" +
                            form.Card.RaceDate.valueAt(1) + "\r\n\r\nKEY SELECTIONS\r\n");
}

void pickEveryRace(Form1& form) {
    const CardStore& card = form.Card;
    for (int r = 1; r <= card.RaceCount; ++r) {
        form.FirstEntry = static_cast<std::int16_t>(r == 1 ? 1 : form.LastEntry + 1);
        if (const auto last = lastEntryOfRace(card, r))
            form.LastEntry = static_cast<std::int16_t>(*last);
        form.CurrentRace = static_cast<std::int16_t>(r);
        TOP_FOUR(form);
    }
    form.CurrentRace = static_cast<std::int16_t>(card.RaceCount + 1);
}

// Whether the card's saved record file was loaded.
bool restoreSavedCard(Form1& form) {
    if (form.ActiveCardFile.empty())
        return false;
    const std::filesystem::path file = recordFilePath(form);
    RecordFileLoad load = loadRecordFile(file, form.Records, form.Card.RaceCount);
    if (load.status == RecordFileStatus::Loaded)
        form.Records = std::move(load.arrays);
    // Its saves will fail alike: the user is told once.
    if (load.status == RecordFileStatus::NotRegular)
        form.RecordSaveFailureTold = refusedAsNotRegular(form, file);
    if (load.status == RecordFileStatus::DoesNotMatch) {
        form.KeepRecordFileAsBackup = true;
        form.platform.showMessage({"Tallowmere TB",
                                   "The saved race card " + file.string() +
                                       " does not match this card and was not loaded. It will be "
                                       "kept as " +
                                       firstFreeBackupName(file).string() + ".",
                                   MessageButtons::Ok, MessageIcon::Exclamation});
    }
    return load.status == RecordFileStatus::Loaded;
}

// The scratches saved with the card are marked again without re-ranking: the
// picks the record file gave stay as they are, and the selection lines are
// those the scratches left.
void restoreScratches(Form1& form) {
    const auto content = text::readWholeFile(scratchFilePath(form));
    if (!content)
        return;
    std::set<int> races;
    for (const auto& [race, entry] : scratchesNamedIn(form.Card, *content)) {
        if (!scratchEntry(form, entry))
            continue;
        races.insert(race);
        if (race == 1)
            showAsScratched(form, entry, entry - form.Card.RaceFirstEntry.valueAt(1) + 1);
    }
    for (const int race : races)
        storeScratchedSelectionLines(form, race);
}

// Without the card's track in the track list every speed value is 0; the
// ratings then differ from those with the track listed, and the user is told.
void tellUnlistedTrack(Form1& form, bool trackListRead, const TrackFile& tracks) {
    if (const auto notice =
            unlistedTrackNotice(WorkFolder{form.WorkFolder}.trackList(), trackListRead, tracks,
                                text::trimmed(form.Card.RaceTrack.valueAt(1))))
        form.platform.showMessage(
            {"Tallowmere TB", *notice, MessageButtons::Ok, MessageIcon::Exclamation, 1, true});
}

void showRaceOneRecord(Form1& form) {
    for (int k = 1; k <= 8; ++k)
        form.setText39(k, form.Records.CardPicks.valueAt(1, k));
    for (int k = 1; k <= 9; ++k)
        form.Text57.find(k)->text = form.Records.CardPayoffs.valueAt(1, k);
    form.Label17.caption = form.Records.CardPayoffs.valueAt(1, 10);
}

} // namespace

void Command1_Click(Form1& form) {
    // A card the chooser was putting in place when it was stopped is finished
    // or put back first: Start never reads a half-swapped folder. Tables that
    // give no race would make an empty card, saved under a name of blanks:
    // the user is told, and can mend the folder and press Start again.
    const bool whole = repairUnfinishedSwap(DataRoot{form.DataRoot}.trackMasterFolder());
    CardTables tables = openCardTables(DataRoot{form.DataRoot}.trackMasterFolder());
    if (!whole || raceCountOf(tables.Data2) < 1) {
        form.platform.showMessage(
            {"Tallowmere TB", "No race could be read from the tables in TrackMaster ExE Files.",
             MessageButtons::Ok, MessageIcon::Exclamation});
        return;
    }
    const auto trackLines = text::readLines(WorkFolder{form.WorkFolder}.trackList());
    const TrackFile tracks(trackLines.value_or(std::vector<std::string>{}));
    lockMenus(form);
    form.MSFlexGrid1.height = 6060;
    loadCard(form, tables);
    frameRaceOne(form);
    rateEveryEntry(form, tracks);
    showRaceButtons(form);
    showRaceHeader(form, 1);
    form.setShownRace(1);

    nameCardFiles(form);
    writeKeySelectionsHead(form, tracks);
    pickEveryRace(form);
    for (int k = 1; k <= 4; ++k)
        form.setText39(k, form.Records.CardPicks.valueAt(1, k));
    if (form.menus.Test.checked) {
        form.TestRun = true;
    } else {
        if (restoreSavedCard(form))
            restoreScratches(form);
        else
            form.ScratchFileIgnored = true;
        showRaceOneRecord(form);
    }
    tellUnlistedTrack(form, trackLines.has_value(), tracks);
}

} // namespace tallowmere
