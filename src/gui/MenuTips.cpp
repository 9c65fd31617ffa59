#include "gui/MenuTips.h"

#include "gui/TipTables.h"

namespace tallowmere::gui {
namespace {

constexpr std::array<Tip, 39> tips = {{
    {"File", "Race cards: take one in, close it, view its files, exit"},
    {"NewRC", "Take in another race card with the card chooser; the program ends"},
    {"CRC", "Save the card's picks and results and clear the screen"},
    {"Selections", "Write the card's selections and open them"},
    {"Pick3", "Open the card's key selections: each race's top pick and the picks close to it"},
    {"Program", "Write the card's program, every entry with its past races, and open it"},
    {"Entries", "Write the entries list, each entry with its best pace rating, and open it"},
    {"Exit_Program", "Save the card's picks and results and end the program"},
    {"Export", "Save the grid on screen, the summary or the betting profile, as a CSV file"},
    {"Navigation", "Move between the race card, the summary and the betting profiles"},
    {"MainScreen", "Back to the race card"},
    {"SelectionAndResults", "Judge every bet on the card's selections against its results"},
    {"Excel", "What every bet on the selections won or lost over the archived cards"},
    {"ALL", "The betting profile of every archived card"},
    {"Select", "Pick a track of the archive for its betting profile"},
    {"SizeGroup", "The betting profile of the tracks of one size category in TrackEditor.ini"},
    {"Size1_2", "The betting profile of the tracks of size category 1/2"},
    {"Size5_8", "The betting profile of the tracks of size category 5/8"},
    {"Size7_8", "The betting profile of the tracks of size category 7/8"},
    {"Size1M", "The betting profile of the tracks of size category 1.M"},
    {"Size1Q", "The betting profile of the tracks of size category 1.Q"},
    {"Tools", "Web pages, results, printing and the files kept by hand"},
    {"TM", "Open TrackMaster's past-performance download page"},
    {"DRF", "Open the Daily Racing Form's changes and scratches page"},
    {"TRC", "Open the results-chart page, Thoroughbred tracks by state"},
    {"Results", "Open the card's results chart"},
    {"EBET", "Record the results and payoffs of the card's results chart"},
    {"PTR", "Open the program's revisions page"},
    {"Test", "When checked, Start leaves out the card's saved picks and results and the card "
             "is not saved"},
    {"Print2", "Write the betting profile to Profile Results.txt and print it"},
    {"Print1", "Print the summary's report, or the first rows of the betting profile"},
    {"Editor", "Edit the files kept by hand"},
    {"ArchivesEditor", "Edit the archive of recorded cards, TBA.ini"},
    {"Tracks", "Edit the tracks' parameters, TrackEditor.ini"},
    {"Replay", "Work a folder of past cards as a user would and show their archive lines"},
    {"ImportChart", "Copy a results chart of this card into Results and record it"},
    {"Help", "About the program"},
    {"About", "About Tallowmere TB"},
    {"Version", "The program's version"},
}};

constexpr std::array<Tip, 4> shortcuts = {{
    {"Exit_Program", "Ctrl+Q"},
    {"Print1", "Ctrl+P"},
    {"Print2", "Ctrl+P"},
    {"MainScreen", "Ctrl+M"},
}};

} // namespace

QString menuTip(const std::string& itemName) {
    return tipFor(tips, itemName);
}

QKeySequence menuShortcut(const std::string& itemName) {
    return QKeySequence(tipFor(shortcuts, itemName), QKeySequence::PortableText);
}

QChar keptMnemonic(const std::string& itemName) {
    return itemName == "Editor" ? QChar('e') : QChar();
}

} // namespace tallowmere::gui
