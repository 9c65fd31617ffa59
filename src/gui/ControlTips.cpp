#include "gui/ControlTips.h"

#include "gui/TipTables.h"

#include <QRegularExpression>

namespace tallowmere::gui {
namespace {

// The race card's columns, one past race a row; the summary's and the
// profile's selection and single-horse columns, whose headings they share.
constexpr auto headings = std::to_array<Tip>({
    {"Date", "Date: the day of the past race (mm-dd-yy)"},
    {"Track", "Track: the past race's track and race; its first three letters are the track code"},
    {"Cd", "Cd: track condition of the past race, e.g. MY (muddy) or SY (sloppy)"},
    {"D&S", "D&S: distance and surface: the past race's distance, then its surface code"},
    {"T1", "T1: the past race's first call, as TrackMaster gives it (PTCALL1)"},
    {"T2", "T2: the past race's second call, as TrackMaster gives it (PTCALL2)"},
    {"T3", "T3: the past race's third call, as TrackMaster gives it (PTCALL3)"},
    {"Fin", "Fin: final time of the past race (112.4 is 1:12.4)"},
    {"NWR", "NWR: TrackMaster's NON_WIN_R value of the past race"},
    {"Class", "Class: the past race's class, as TrackMaster writes it"},
    {"CR", "CR: class rating of the past race; it earns the pace rating a credit"},
    {"SF", "SF: speed figure of the past race; the first past race's earns the pace ratings a "
           "credit"},
    {"PP", "PP: post position in the past race"},
    {"GB", "GB: gate break in the past race (TrackMaster's GATE_BREAK)"},
    {"L1", "L1: beaten lengths at the first call (LEN1_BACK)"},
    {"L2", "L2: beaten lengths at the second call (LEN2_BACK)"},
    {"LS", "LS: beaten lengths in the stretch (STLEN_BACK)"},
    {"FIN", "FIN: finishing position and margin (ns nose, nk neck, hd head)"},
    {"Wt", "Wt: weight in the past race"},
    {"Jockey", "Jockey: the past race's jockey, surname and initial"},
    {"Odds", "Odds: the horse's odds in the past race; * marks the favourite"},
    {"PR", "PR: pace rating of the past race, lower is better; on the Workout row, the workout's "
           "rating. The entries with the lowest are the race's selections"},
    {"S1", "S1: the first selection, the entry with the lowest pace rating; in the betting "
           "profile, the races it won"},
    {"S2", "S2: the second selection; in the betting profile, the races it won"},
    {"S3", "S3: the third selection; in the betting profile, the races it won"},
    {"S4", "S4: the fourth selection; in the betting profile, the races it won"},
    {"R1", "R1: the winner's program number"},
    {"R2", "R2: program number of the horse that finished second"},
    {"R3", "R3: program number of the horse that finished third"},
    {"R4", "R4: program number of the horse that finished fourth"},
    {"Win", "Win: a win bet on S1, paid when S1 won"},
    {"Place", "Place: a place bet on S1, paid when S1 finished first or second"},
    {"Show", "Show: a show bet on S1, paid when S1 finished in the first three"},
    {"Races", "Races: the races of the card; the total is in the Race Cards row"},
});

// A bet on the selections by its summary and profile headings.
struct BetHeading {
    std::string_view summary;
    std::string_view profile;
    std::string_view bet;
};

constexpr std::array<BetHeading, 11> bets = {{
    {"E 1/2", "E1/2", "exacta: S1 first and S2 second"},
    {"E 1-2", "E1-2", "exacta: S1 and S2 first and second, in either order"},
    {"E 1/2-3", "E1/2-3", "exacta: S1 first, S2 or S3 second"},
    {"E 1-2-3", "E1-2-3", "exacta: two of S1, S2 and S3 first and second"},
    {"E 1-2-3-4", "E1-2-3-4", "exacta: two of the four selections first and second"},
    {"T 1/2-3", "T1/2-3", "trifecta: S1 first, S2 and S3 second and third in either order"},
    {"T 1/2-3-4", "T1/2-3-4", "trifecta: S1 first, two of S2, S3 and S4 second and third"},
    {"T 1-2-3", "T1-2-3", "trifecta: S1, S2 and S3 the first three in any order"},
    {"S 1/2-3-4", "S1/2-3-4", "superfecta: S1 first, S2, S3 and S4 the next three"},
    {"S 2/1-3-4", "S2-1/3-4", "superfecta: S1 or S2 first, the other three selections next"},
    {"S 1-2-3-4", "S1-2-3-4", "superfecta: the four selections the first four in any order"},
}};

QString betTip(const std::string& heading) {
    for (const BetHeading& bet : bets) {
        const QString name = QString::fromUtf8(bet.bet.data(), bet.bet.size());
        if (heading == bet.summary)
            return QString("%1: %2; the race's payoff when it hit")
                .arg(QString::fromStdString(heading), name);
        if (heading == bet.profile)
            return QString("%1: %2; the card's returns, and above them the totals")
                .arg(QString::fromStdString(heading), name);
    }
    return {};
}

constexpr std::array<Tip, 6> controls = {{
    {"Command1", "Start: handicap the card in TrackMaster ExE Files: rate every entry, pick "
                 "four a race and show race 1. Once a start of the program"},
    {"Command5", "Show the previous race"},
    {"Command6", "Show the next race"},
    {"Command4", "Record: add the card's totals to the archive (TBA.ini) that the betting "
                 "profiles sum"},
    {"List1", "The tracks of the archive: click one for its betting profile; EXIT closes the "
              "list"},
    {"Text57(0)", "The race the tote board shows"},
}};

constexpr std::array<std::string_view, 10> totePayoffs = {"",
                                                          "Win payoff of the winner",
                                                          "Place payoff of the winner",
                                                          "Show payoff of the winner",
                                                          "Place payoff of the second",
                                                          "Show payoff of the second",
                                                          "Show payoff of the third",
                                                          "Exacta payoff",
                                                          "Trifecta payoff",
                                                          "Superfecta payoff"};

constexpr std::array<std::string_view, 4> placings = {"first", "second", "third", "fourth"};

QString indexedTip(const QString& name, int index) {
    if (name == "Command2")
        return QString("Show race %1").arg(index);
    if (name == "Command3")
        return QString("Scratch entry %1 of the race shown (its program number is the caption) "
                       "and pick again; on an X, reinstate it")
            .arg(index);
    const auto placing = [](int k) { return QString::fromUtf8(placings[k - 1].data()); };
    if (name == "Text39" && index >= 1 && index <= 4)
        return QString("S%1: program number of the %2 selection").arg(index).arg(placing(index));
    if (name == "Text39" && index >= 5 && index <= 8)
        return QString("R%1: program number of the horse that finished %2")
            .arg(index - 4)
            .arg(placing(index - 4));
    if (name == "Text57" && index >= 1 && index <= 9)
        return QString::fromUtf8(totePayoffs[index].data());
    return {};
}

} // namespace

QString headingTip(const std::string& heading) {
    const QString tip = tipFor(headings, heading);
    return tip.isEmpty() ? betTip(heading) : tip;
}

QString controlTip(const QString& objectName) {
    const QString tip = tipFor(controls, objectName.toStdString());
    if (!tip.isEmpty())
        return tip;
    static const QRegularExpression indexed(R"(^(\w+)\((\d+)\)$)");
    const auto match = indexed.match(objectName);
    return match.hasMatch() ? indexedTip(match.captured(1), match.captured(2).toInt()) : QString();
}

} // namespace tallowmere::gui
