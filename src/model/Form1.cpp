#include "model/Form1.h"

#include "model/RaceBoxes.h"

namespace tallowmere {

Form1::Form1(Platform& platform_)
    : platform(platform_), MSFlexGrid1(2, 24), MSFlexGrid2(41, 29), MSFlexGrid3(1401, 21) {
    Window.caption = mainWindowCaption;
    Command1.caption = "Start";
    for (int i = 1; i <= 20; ++i) {
        Command2.find(i)->caption = std::to_string(i);
        Command2.find(i)->visible = false;
        Command3.find(i)->visible = false;
    }
    Command4.caption = "Record";
    Command5.caption = "<";
    Command6.caption = ">";

    Clear_Frame4(*this);
    Label12.caption = "Selections:";
    Label16.caption = "Results:";
    Label17.caption = "Scr";
    Label18.caption = "Scratches:";

    Frame5.visible = false;
    MSFlexGrid2.visible = false;
    MSFlexGrid3.visible = false;
}

const TextBox& Form1::Text39(int index) const {
    static const TextBox none;
    const TextBox* box = text39_.find(index);
    return box ? *box : none;
}

void Form1::setText39(int index, std::string text) {
    TextBox* box = text39_.find(index);
    if (!box)
        return;
    box->text = std::move(text);
    for (int finisher = 1; finisher <= 3; ++finisher)
        Label4.find(finisher)->caption = text39_.find(4 + finisher)->text;
}

void Form1::setText39Visible(int index, bool visible) {
    if (TextBox* box = text39_.find(index))
        box->visible = visible;
}

void Form1::setText39Top(int index, int top) {
    if (TextBox* box = text39_.find(index))
        box->top = top;
}

void Form1::setText39Place(int index, int left, int width, int height) {
    if (TextBox* box = text39_.find(index)) {
        box->left = left;
        box->width = width;
        box->height = height;
    }
}

void Form1::setShownRace(std::optional<std::int16_t> race) {
    shownRace_ = race;
    Label8.caption = race ? std::to_string(*race) : "RN";
}

void Form1::setCardTrack(std::string track) {
    cardTrack_ = std::move(track);
    Label1.caption = cardTrack_;
}

void Form1::setCardDate(std::string date) {
    cardDate_ = std::move(date);
    Label5.caption = cardDate_;
}

void Form1::setTrackName(std::string name) {
    trackName_ = std::move(name);
    Label4.find(0)->caption = trackName_;
}

const Frame* frameNamed(const Form1& form, FrameName name) {
    const Frame* frames[] = {nullptr,      &form.Frame1, &form.Frame2, &form.Frame3,
                             &form.Frame4, &form.Frame5, &form.Frame6, &form.Frame7};
    return frames[static_cast<int>(name)];
}

Grid* gridNumber(Form1& form, int number) {
    switch (number) {
    case 1:
        return &form.MSFlexGrid1;
    case 2:
        return &form.MSFlexGrid2;
    case 3:
        return &form.MSFlexGrid3;
    default:
        return nullptr;
    }
}

const Grid* gridNumber(const Form1& form, int number) {
    return gridNumber(const_cast<Form1&>(form), number);
}

} // namespace tallowmere
