#include "SampleWindow.h"

#include <fstream>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::SampleWindow;

// What a profile sums is checked through the batch front end; here each item
// of Size Group shows the profile of the one archived card whose track is of
// its size.
class SizeGroupTest : public QObject {
    Q_OBJECT

  private slots:
    void eachSizeGroupItemShowsTheProfileOfItsTracks();
};

void SizeGroupTest::eachSizeGroupItemShowsTheProfileOfItsTracks() {
    SampleWindow w;
    const std::vector<std::pair<const char*, std::string>> sizes = {{"Size1_2", "HLF"},
                                                                    {"Size5_8", "FON"},
                                                                    {"Size7_8", "CT"},
                                                                    {"Size1M", "CD"},
                                                                    {"Size1Q", "SAR"}};
    const auto fixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "reports";
    const std::string line = readFile(fixtures / "archive-three-cards.ini").substr(0, 170);
    std::ofstream archive(w.folder / "TBA.ini", std::ios::binary);
    for (const auto& [item, track] : sizes)
        archive << std::string(5 - track.size(), ' ') + track + line.substr(5, line.find('\r') - 5)
                << "\r\n";
    archive.close();
    std::string halfMile = readFile(w.folder / "TrackEditor.ini").substr(0, 39);
    halfMile.replace(0, 5, "HLF  ").replace(36, 3, "1/2");
    std::ofstream(w.folder / "TrackEditor.ini", std::ios::app | std::ios::binary)
        << halfMile << "\r\n";

    QCOMPARE(w.item("SizeGroup")->text(), QString("S&ize Group"));
    for (const auto& [item, track] : sizes) {
        w.item("MainScreen")->trigger();
        QVERIFY(w.item(item)->isVisible() && w.item("SizeGroup")->isVisible());
        w.item(item)->trigger();
        QVERIFY2(w.grid("MSFlexGrid3")->isVisible(), item);
        QCOMPARE(w.cell("MSFlexGrid3", 9, 0), QString("1 Race Cards"));
        QCOMPARE(w.cell("MSFlexGrid3", 11, 0).trimmed().section('_', 0, 0),
                 QString::fromStdString(track));
        QVERIFY(!w.find<QWidget>("List1")->isVisible());
    }
}

int runSizeGroupTests(int argc, char** argv) {
    SizeGroupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SizeGroupTest.moc"
