#include "reports/ReportPrinting.h"

#include "card/UnusableFiles.h"
#include "card/WorkFolder.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

constexpr const char* profileHeader =
    "               Races    S1    S2    S3    S4       Win     Place      Show      E1/2      "
    "E1-2    E1/2-3    E1-2-3  E1-2-3-4    T1/2-3  T1/2-3-4    T1-2-3  S1/2-3-4  S2-1/3-4  "
    "S1-2-3-4\r\n";

constexpr int percentagesRow = 10;

std::string rowLine(const Grid& profile, int r) {
    std::string line = text::rightAligned(profile.text(r, 0), 14);
    for (int c = 1; c <= 19; ++c) {
        if (c == 1 && r >= 3 && r <= 7)
            line += std::string(30, ' ');
        else
            line += text::rightAligned(profile.text(r, c), c <= 5 ? 6 : 10);
    }
    return line + "\r\r\n";
}

void writeProfileResults(Form1& form, int lastRow, bool spaced) {
    const auto file = WorkFolder{form.WorkFolder}.printedProfile();
    // A file that cannot be written is still shown, as it stands.
    if (!refusedAsNotRegular(form, file))
        (void)text::replaceFile(file, profileResultsText(form.MSFlexGrid3, lastRow, spaced));
    form.platform.printTextFile(file);
}

} // namespace

std::string profileResultsText(const Grid& profile, int lastRow, bool spaced) {
    std::string text = profileHeader;
    for (int r = 1; r <= lastRow; ++r) {
        if (spaced && (r == percentagesRow || r == percentagesRow + 1))
            text += "\r\n";
        if (r == percentagesRow)
            text += "       Win Pct       ";
        text += rowLine(profile, r);
    }
    return text;
}

void Print1_Click(Form1& form) {
    if (form.MSFlexGrid2.visible)
        form.platform.printTextFile(WorkFolder{form.WorkFolder}.todaysResults());
    else if (form.MSFlexGrid3.visible)
        writeProfileResults(form, 100, false);
}

void Print2_Click(Form1& form) {
    writeProfileResults(form, 500, true);
}

} // namespace tallowmere
