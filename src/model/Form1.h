#pragma once

#include "model/CardStore.h"
#include "model/CardSummary.h"
#include "model/CheckedArray.h"
#include "model/Controls.h"
#include "model/Grid.h"
#include "model/Menus.h"
#include "model/Platform.h"
#include "model/ProfileCards.h"
#include "model/RecordArrays.h"
#include "model/ScratchedEntries.h"
#include "model/SelectionResults.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tallowmere {

inline constexpr const char* mainWindowCaption = "Tallowmere Thoroughbred PRO";

// The one main window: its state and nothing more. Commands of the subsystems
// take it by reference. A new window holds the design-time state of every
// control; start-up (Form_Load) then lays it out.
class Form1 {
  public:
    explicit Form1(Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    Platform& platform;

    // Where the card's folders are, where the .ini files and reports are, and
    // where the program itself is (its companion lives beside it).
    std::filesystem::path DataRoot;
    std::filesystem::path WorkFolder;
    std::filesystem::path ProgramFolder;

    CardStore Card;
    RecordArrays Records;
    SelectionResults Selections;
    ScratchedEntries Scratched;

    // Working values that outlive a command.
    std::int16_t CurrentRace = 0;
    std::int16_t FirstEntry = 0;
    std::int16_t LastEntry = 0;
    std::int16_t ScratchRace = 0;
    std::string ActiveCardFile;
    std::string KeySelectionsFile;
    // The card was handicapped with Test checked: its record file is never written.
    bool TestRun = false;
    // The saved record file did not fit this card: the next save keeps it as .bak.
    bool KeepRecordFileAsBackup = false;
    // A save of the record file or of the scratch file failed and the user was
    // told; the next failure of that file is told only after it saved again.
    bool RecordSaveFailureTold = false;
    bool ScratchSaveFailureTold = false;
    // The scratch file was not read at Start (its record file did not load):
    // the first save of the card replaces it, so it never comes back.
    bool ScratchFileIgnored = false;
    // What this session last wrote to the record file: a save as the card
    // changes is left out when the file would get the same bytes.
    std::optional<std::string> SavedRecordFileText;
    // What the card summary grid shows, as the last judging of the card found
    // it; nothing before the first summary or once the grid is cleared.
    std::optional<CardSummary> ShownSummary;
    // The cards of the betting profile last shown.
    ProfileCards ShownProfile;

    WindowFrame Window;
    Menus menus;

    Button Command1;                      // Start, later the "Race: " label
    CheckedArray<Button, 1, 20> Command2; // race buttons
    CheckedArray<Button, 1, 20> Command3; // scratch buttons
    Button Command4;                      // Record
    Button Command5;                      // "<"
    Button Command6;                      // ">"

    Label Label1, Label2, Label5, Label6, Label7, Label8, Label10, Label12, Label13, Label15,
        Label16, Label17, Label18;
    CheckedArray<Label, 0, 1> Label3;   // conditions
    CheckedArray<Label, 0, 3> Label4;   // track name, then the tote board's first three finishers
    CheckedArray<TextBox, 0, 9> Text57; // tote board

    Frame Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7;
    ImageBox Image2;

    Grid MSFlexGrid1; // past performances
    Grid MSFlexGrid2; // card summary
    Grid MSFlexGrid3; // betting profile
    ListBox List1;

    // The selection (1 to 4) and result (5 to 8) boxes. Every change of a box's
    // text, by the user or by a command, mirrors finishers 1 to 3 onto the tote
    // board labels Label4(1..3).
    const TextBox& Text39(int index) const;
    void setText39(int index, std::string text);
    void setText39Visible(int index, bool visible);
    void setText39Top(int index, int top);
    void setText39Place(int index, int left, int width, int height);

    // The race on screen, none before Start and after the card is closed.
    // Label8 shows it, "RN" while there is none.
    const std::optional<std::int16_t>& shownRace() const { return shownRace_; }
    void setShownRace(std::optional<std::int16_t> race);

    // The race header's track code and race date (Label1 and Label5), and the
    // track's name from the track list (Label4(0)). Each is the very text its
    // label shows: with no card it is the label's resting text ("Track",
    // "Date", "Track Name"), and a track the list does not name keeps
    // "Track Name", which the reports then print.
    const std::string& cardTrack() const { return cardTrack_; }
    void setCardTrack(std::string track);
    const std::string& cardDate() const { return cardDate_; }
    void setCardDate(std::string date);
    const std::string& trackName() const { return trackName_; }
    void setTrackName(std::string name);

  private:
    CheckedArray<TextBox, 1, 8> text39_;
    // Written only through their setters, which also write their labels:
    // the labels are what the window shows, never read back.
    std::optional<std::int16_t> shownRace_;
    std::string cardTrack_;
    std::string cardDate_;
    std::string trackName_;
};

// The frame of that name; nullptr for FrameName::None.
const Frame* frameNamed(const Form1& form, FrameName name);

// MSFlexGrid1, 2 or 3 by its number; nullptr for any other number.
Grid* gridNumber(Form1& form, int number);
const Grid* gridNumber(const Form1& form, int number);

} // namespace tallowmere
