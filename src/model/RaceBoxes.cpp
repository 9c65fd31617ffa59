#include "model/RaceBoxes.h"

#include "text/Numbers.h"

namespace tallowmere {

void GetTextBoxData(Form1& form) {
    const int race = form.CurrentRace;
    for (int column = 1; column <= 9; ++column)
        form.Records.CardPayoffs.set(race, column, form.Text57.valueAt(column).text);
    if (const auto label = form.Records.CardPayoffs.at(race, 10))
        form.Label17.caption = *label;
    for (int column = 1; column <= 8; ++column)
        form.Records.CardPicks.set(race, column, form.Text39(column).text);
}

void storeShownRaceBoxes(Form1& form) {
    const auto shown = form.shownRace();
    if (!shown)
        return;
    form.CurrentRace = *shown;
    GetTextBoxData(form);
}

void showRaceHeader(Form1& form, int race) {
    const CardStore& card = form.Card;
    form.setCardDate(card.RaceDate.valueAt(race));
    form.Label2.caption = "$ " + card.RacePurse.valueAt(race);
    form.Label3.find(0)->caption =
        card.RaceConditions.valueAt(race, 1) + " " + card.RaceConditions.valueAt(race, 2);
    form.Label3.find(1)->caption =
        card.RaceConditions.valueAt(race, 3) + " " + card.RaceConditions.valueAt(race, 4);
    form.Label6.caption = card.RaceWagering.valueAt(race);
    form.Label10.caption = card.RacePostTime.valueAt(race);
    form.Label13.caption = card.RaceDistance.valueAt(race) + "f " + card.RaceSurface.valueAt(race);
    form.Label15.caption = text::textOf(card.RaceClass.valueAt(race));
    form.setCardTrack(card.RaceTrack.valueAt(race));
}

void Clear_Frame4(Form1& form) {
    form.setCardTrack("Track");
    form.Label2.caption = "Purse";
    form.setCardDate("Date");
    form.Label6.caption = "Wagering";
    form.setShownRace(std::nullopt);
    form.Label10.caption = "Time";
    form.Label13.caption = "f";
    form.Label15.caption = "CR";
    form.setTrackName("Track Name");
    form.Label3.find(0)->caption = "Conditions";
    form.Label3.find(1)->caption = "Conditions";
}

} // namespace tallowmere
