#include "SampleWindow.h"
#include "Season.h"
#include "gui/ProfileAnalysisView.h"
#include "gui/ReplayDialog.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"

#include <QChart>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <fstream>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::SampleWindow;
using tallowmere::testing::TempFolder;

namespace {

QList<QLineSeries*> curves(const SampleWindow& w) {
    QList<QLineSeries*> series;
    for (auto* one : w.window->profileAnalysis()->chart()->series())
        series << static_cast<QLineSeries*>(one);
    return series;
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void exportAndTheProfilesCurvesAndStatsStandBesideTheirGrids();
    void replayShowsEachCardAndAddsThemToTheArchiveAndStopsWhenCancelled();
    void importChartCopiesThePickedChartAndACancelCopiesNothing();
    void theCurvesNameTheirProfileAndFitTheCurvesShown();
};

// The title names the profile; a single card shows its points; hiding the
// highest curve brings the profit axis down to the rest; the intervals of few
// cards are flagged; the panel fits a 1366 x 768 screen beside the grid.
void AnalysisWindowTest::theCurvesNameTheirProfileAndFitTheCurvesShown() {
    gui::ProfileAnalysisView view;
    CardFigures card{"   CT_20261101", 2, {}};
    card.returns[0] = 100;
    view.showCards({{card}, 1, "CT"});
    const QChart* chart = view.chart();
    QCOMPARE(chart->title(), QString("Net profit: CT, 1 card"));
    auto* win = static_cast<QLineSeries*>(chart->series()[0]);
    QVERIFY(win->count() == 1 && win->pointsVisible());
    const double top = win->at(0).y();
    auto* profit = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
    QVERIFY(top > 0 && profit->max() >= top);
    emit chart->legend()->markers(win).first()->clicked();
    QVERIFY(profit->max() < top);
    auto* note = view.findChild<QLabel*>("ProfileStatsNote");
    QCOMPARE(note->text(), QString("Fewer than 10 cards: these intervals say little."));
    QVERIFY(!note->isHidden());
    view.showCards({std::vector<CardFigures>(10, card), 2, "1.M"});
    QVERIFY(note->isHidden());
    QCOMPARE(view.chart()->title(), QString("Net profit: Size 1.M, 10 cards"));
    QVERIFY(view.minimumSizeHint().width() <= 420 && view.minimumSizeHint().height() <= 450);
    QTRY_VERIFY(!view.workingOutStats());
}

// What the import records is checked through the batch front end.
void AnalysisWindowTest::importChartCopiesThePickedChartAndACancelCopiesNothing() {
    SampleWindow w;
    QCOMPARE(w.item("ImportChart")->text().remove('&'), QString("Import Chart\u2026"));
    w.click("Command1");
    const auto chart = std::filesystem::path(TALLOWMERE_FIXTURES) / "charts" / "evening.csv";
    const auto copied = w.folder.path() / "Results" / "CT20261205etch.csv";
    w.window->askChartFile = [] { return QString(); };
    w.item("ImportChart")->trigger();
    QVERIFY(!std::filesystem::exists(copied));
    w.window->askChartFile = [&] { return QString::fromStdString(chart.string()); };
    w.item("ImportChart")->trigger();
    QCOMPARE(readFile(copied), readFile(chart));
}

// What the export writes is checked through the batch front end. The last
// point of each curve is the Net Profit the grid shows for its type; a legend
// click hides its curve; the panel's ROI is the grid's.
void AnalysisWindowTest::exportAndTheProfilesCurvesAndStatsStandBesideTheirGrids() {
    SampleWindow w;
    QVERIFY(!w.item("Export")->isVisible());
    QVERIFY(!w.find<QWidget>("ProfileAnalysisDock")->isVisible());
    QCOMPARE(w.item("Replay")->text(), QString("Repla&y Cards\u2026"));
    w.click("Command1");
    w.item("EBET")->trigger();
    w.item("SelectionAndResults")->trigger();
    QVERIFY(w.item("Export")->isVisible());
    const auto file = w.folder / "summary.csv";
    w.window->askExportFile = [&] { return QString::fromStdString(file.string()); };
    w.item("Export")->trigger();
    // The batch front end's export of the same card: 9 race rows, named
    // columns, plain numbers.
    QCOMPARE(readFile(file),
             readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "cli" / "sample-summary.csv"));
    w.click("Command4");
    std::ofstream(w.folder / "TBA.ini", std::ios::app | std::ios::binary) << readFile(
        std::filesystem::path(TALLOWMERE_FIXTURES) / "reports" / "archive-three-cards.ini");
    w.item("ALL")->trigger();
    QVERIFY(w.find<QWidget>("ProfileAnalysisDock")->isVisible());
    QCOMPARE(w.window->profileAnalysis()->chart()->title(),
             QString("Net profit: All Tracks, 4 cards"));
    const auto series = curves(w);
    QCOMPARE(series.size(), 11);
    QCOMPARE(series[6]->count(), 4);
    for (int type = 0; type < 11; ++type)
        QCOMPARE(series[type]->at(3).y(),
                 text::numberOf(w.cell("MSFlexGrid3", 6, 6 + type).toStdString()));
    auto* marker = w.window->profileAnalysis()->chart()->legend()->markers(series[2]).first();
    emit marker->clicked();
    QVERIFY(!series[2]->isVisible());
    emit marker->clicked();
    QVERIFY(series[2]->isVisible());
    auto* stats = w.find<QTableWidget>("ProfileStats");
    QTRY_VERIFY(!w.window->profileAnalysis()->workingOutStats());
    QCOMPARE(stats->rowCount(), 11);
    QCOMPARE(stats->item(6, 2)->text(), w.cell("MSFlexGrid3", 7, 12).trimmed());
    QVERIFY(w.window->profileAnalysis()->savePng(
        QString::fromStdString((w.folder / "c.png").string())));
    w.item("MainScreen")->trigger();
    QVERIFY(!w.find<QWidget>("ProfileAnalysisDock")->isVisible() && !w.item("Export")->isVisible());
}

void AnalysisWindowTest::replayShowsEachCardAndAddsThemToTheArchiveAndStopsWhenCancelled() {
    SampleWindow w;
    TempFolder season;
    QVERIFY(cardgen::writeSeason({}, 3, season.path()));
    std::filesystem::copy_file(season / "TrackEditor.ini", w.folder / "TrackEditor.ini",
                               std::filesystem::copy_options::overwrite_existing);
    w.window->askSeasonFolder = [&] { return QString::fromStdString(season.path().string()); };
    w.item("Replay")->trigger();
    auto* dialog = w.find<gui::ReplayDialog>("ReplayDialog");
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->finished(), 20000);
    QCOMPARE(dialog->outcomes().size(), std::size_t(3));
    QVERIFY(!std::filesystem::exists(w.folder / "TBA.ini"));
    QCOMPARE(dialog->addToArchive(), QString("3 lines added to the archive."));
    std::vector<std::string> lines;
    for (const auto& outcome : dialog->outcomes())
        lines.push_back(*outcome.archiveLine);
    QCOMPARE(text::readLines(w.folder / "TBA.ini"), std::optional(lines));
    QVERIFY(!dialog->exportCsv(QString::fromStdString((w.folder / "r.csv").string())));
    const auto csv = readFile(w.folder / "r.csv");
    QVERIFY(csv.starts_with("Card,Races,S1,S2,S3,S4,Win,"));
    QVERIFY(csv.find(",card-001,\r\n") != std::string::npos);
    gui::ReplayDialog cancelled(season.path(), season.path());
    cancelled.cancel();
    cancelled.start();
    QTRY_VERIFY_WITH_TIMEOUT(cancelled.finished(), 20000);
    QCOMPARE(cancelled.outcomes().size(), std::size_t(1));
}

int runAnalysisWindowTests(int argc, char** argv) {
    AnalysisWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AnalysisWindowTest.moc"
