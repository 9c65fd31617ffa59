#include "model/WindowLayout.h"

#include <type_traits>

namespace tallowmere {
namespace {

constexpr int buttonHeight = 375;
constexpr int labelHeight = 300;
constexpr int fullWidth = 17160;

// A label is a line of text high; buttons and boxes are taller.
template <typename Control> int heightOf() {
    return std::is_same_v<Control, Label> ? labelHeight : buttonHeight;
}

template <typename Control>
void place(Control& control, FrameName frame, int left, int top, int width) {
    control.frame = frame;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = heightOf<Control>();
}

// The tote board's boxes.
void place(TextBox& box, int left, int top, int width) {
    place(box, FrameName::Frame7, left, top, width);
}

void place(Frame& frame, int left, int top, int width, int height) {
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
}

// Race number, track and its name, date, post time, distance, class and purse
// on the first line; the conditions on two lines and the wagering below.
void placeRaceHeader(Form1& form) {
    place(form.Frame4, 0, 0, fullWidth, 1500);
    constexpr FrameName in = FrameName::Frame4;
    place(form.Label8, in, 120, 150, 600);
    form.Label8.bold = true;
    place(form.Label1, in, 780, 150, 700);
    place(*form.Label4.find(0), in, 1500, 150, 3400);
    place(form.Label5, in, 5000, 150, 1300);
    place(form.Label10, in, 6400, 150, 1300);
    place(form.Label13, in, 7800, 150, 1300);
    place(form.Label15, in, 9200, 150, 700);
    place(form.Label2, in, 10000, 150, 2200);
    place(*form.Label3.find(0), in, 120, 500, fullWidth - 240);
    place(*form.Label3.find(1), in, 120, 800, fullWidth - 240);
    place(form.Label6, in, 120, 1100, fullWidth - 240);
}

void placeGrids(Form1& form) {
    Grid& pastPerformances = form.MSFlexGrid1;
    pastPerformances.top = 1560;
    pastPerformances.width = fullWidth;
    pastPerformances.height = 6060;
    for (Grid* report : {&form.MSFlexGrid2, &form.MSFlexGrid3}) {
        report->width = 17100;
        report->height = 9000;
    }
}

// Start, then the race buttons in one row under the grid.
void placeRaceButtons(Form1& form) {
    place(form.Command1, FrameName::None, 120, 7700, 900);
    for (int i = 1; i <= 20; ++i)
        place(*form.Command2.find(i), FrameName::None, 1080 + (i - 1) * 480, 7700, 450);
}

void placeBoxes(Form1& form) {
    place(form.Label12, FrameName::None, 120, 8300, 1000);
    place(form.Label16, FrameName::None, 120, 9000, 1000);
    for (int i = 1; i <= 8; ++i)
        form.setText39Place(i, 1150 + ((i - 1) % 4) * 620, 560, buttonHeight);
}

// The race, "<" and ">" and the scratches text on the left; a row per
// finisher: its number, then its win, place and show payoffs in three
// columns; the exacta, trifecta and superfecta payoffs in a fourth.
void placeToteBoard(Form1& form) {
    place(form.Frame7, 3800, 8200, 7600, 1600);
    constexpr FrameName in = FrameName::Frame7;
    place(*form.Text57.find(0), 120, 240, 1100);
    place(form.Command5, in, 120, 700, 520);
    place(form.Command6, in, 700, 700, 520);
    place(form.Label17, in, 120, 1160, 1100);
    constexpr int rows[] = {240, 700, 1160};
    constexpr int payoffColumns[] = {2200, 3250, 4300};
    for (int finisher = 1; finisher <= 3; ++finisher) {
        Label& number = *form.Label4.find(finisher);
        place(number, in, 1400, rows[finisher - 1] + 40, 700);
        number.bold = true;
    }
    int box = 1;
    for (int finisher = 1; finisher <= 3; ++finisher)
        for (int column = finisher - 1; column < 3; ++column)
            place(*form.Text57.find(box++), payoffColumns[column], rows[finisher - 1], 950);
    for (int exotic = 0; exotic < 3; ++exotic)
        place(*form.Text57.find(7 + exotic), 5500, rows[exotic], 1100);
}

void placeScratchesAndRecord(Form1& form) {
    place(form.Frame6, 1550, 9900, 15600, 800);
    form.Frame6.caption = "Scratches";
    place(form.Label18, FrameName::None, 120, 10100, 1350);
    for (int i = 1; i <= 20; ++i)
        place(*form.Command3.find(i), FrameName::Frame6, 120 + (i - 1) * 770, 330, 700);
    place(form.Frame5, 0, 9000, 17156, 1900);
    place(form.Command4, FrameName::Frame5, 8000, 600, 1200);
    ListBox& tracks = form.List1;
    tracks.left = 14400;
    tracks.top = 300;
    tracks.width = 2600;
    tracks.height = 1150;
}

// Areas the window keeps but never fills, out of the way at the lower right.
void placeEmptyAreas(Form1& form) {
    ImageBox& image = form.Image2;
    image.left = 11600;
    image.width = 1400;
    image.height = 1000;
    place(form.Label7, FrameName::None, 11600, 9550, 1400);
    place(form.Frame1, 13200, 8200, 1200, 1600);
    place(form.Frame2, 14500, 8200, 1200, 1600);
    place(form.Frame3, 13200, 8200, 3960, 1600);
}

} // namespace

void placeControls(Form1& form) {
    placeRaceHeader(form);
    placeGrids(form);
    placeRaceButtons(form);
    placeBoxes(form);
    placeToteBoard(form);
    placeScratchesAndRecord(form);
    placeEmptyAreas(form);
}

} // namespace tallowmere
