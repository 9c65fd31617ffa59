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
    const auto shown = text::strictWhole(form.Label8.caption);
    if (!shown)
        return;
    form.CurrentRace = *shown;
    GetTextBoxData(form);
}

void Clear_Frame4(Form1& form) {
    form.Label1.caption = "Track";
    form.Label2.caption = "Purse";
    form.Label5.caption = "Date";
    form.Label6.caption = "Wagering";
    form.Label8.caption = "RN";
    form.Label10.caption = "Time";
    form.Label13.caption = "f";
    form.Label15.caption = "CR";
    form.Label4.find(0)->caption = "Track Name";
    form.Label3.find(0)->caption = "Conditions";
    form.Label3.find(1)->caption = "Conditions";
}

} // namespace tallowmere
