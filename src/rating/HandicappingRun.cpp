#include "rating/HandicappingRun.h"

#include "card/CardLoad.h"
#include "card/DataRoot.h"
#include "text/Numbers.h"

namespace tallowmere {
namespace {

void lockMenus(Form1& form) {
    form.menus.MainScreen.visible = false;
    form.menus.NewRC.enabled = false;
    form.menus.Exit_Program.enabled = false;
}

void loadCard(Form1& form) {
    CardTables tables = openCardTables(DataRoot{form.DataRoot}.trackMasterFolder());
    const CardLoadObserver captionScratchButtons{[&form](int entry, const std::string& program) {
        if (Button* scratch = form.Command3.find(entry))
            scratch->caption = program;
    }};
    form.Card = loadCardStore(tables, captionScratchButtons);
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

void showRaceOneHeader(Form1& form) {
    const CardStore& card = form.Card;
    form.Label5.caption = card.RaceDate.valueAt(1);
    form.Label2.caption = "$ " + card.RacePurse.valueAt(1);
    form.Label3.find(0)->caption =
        card.RaceConditions.valueAt(1, 1) + " " + card.RaceConditions.valueAt(1, 2);
    form.Label3.find(1)->caption =
        card.RaceConditions.valueAt(1, 3) + " " + card.RaceConditions.valueAt(1, 4);
    form.Label6.caption = card.RaceWagering.valueAt(1);
    form.Label8.caption = "1";
    form.Label10.caption = card.RacePostTime.valueAt(1);
    form.Label13.caption = card.RaceDistance.valueAt(1) + "f " + card.RaceSurface.valueAt(1);
    form.Label15.caption = text::textOf(card.RaceClass.valueAt(1));
    form.Label1.caption = card.RaceTrack.valueAt(1);
}

} // namespace

void Command1_Click(Form1& form) {
    lockMenus(form);
    form.MSFlexGrid1.height = 6060;
    loadCard(form);
    frameRaceOne(form);
    showRaceButtons(form);
    showRaceOneHeader(form);
}

} // namespace tallowmere
