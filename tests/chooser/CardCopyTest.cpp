#include "chooser/CardCopy.h"

#include "card/CardSwap.h"
#include "chooser/CardSource.h"
#include "rating/HandicappingRun.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

using namespace tallowmere::chooser;
using std::filesystem::path;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

const path sampleCard = path(TALLOWMERE_SAMPLES) / "card";

struct ZipEntry {
    std::string name;
    std::string bytes;
    zip_uint32_t unixMode = 0; // 0: no Unix attributes stored
};

void writeZip(const path& file, const std::vector<ZipEntry>& entries) {
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    for (const auto& entry : entries) {
        zip_source_t* bytes = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), bytes, 0);
        ASSERT_GE(index, 0) << entry.name;
        if (entry.unixMode != 0)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             entry.unixMode << 16);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

std::string sampleTable(std::string_view name) {
    return readFile(sampleCard / name);
}

// The sample card's tables as zip entries, each name the table's or formed from it.
std::vector<ZipEntry> sampleEntries(const std::function<std::string(std::string)>& nameOf = {}) {
    std::vector<ZipEntry> entries;
    for (const std::string_view table : cardTableFiles)
        entries.push_back(
            {nameOf ? nameOf(std::string(table)) : std::string(table), sampleTable(table)});
    return entries;
}

// Every file of a folder and its bytes, folders marked as such.
std::map<std::string, std::string> contentsOf(const path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        contents[entry.path().filename().string()] =
            entry.is_directory() ? "(folder)" : readFile(entry.path());
    return contents;
}

struct CardCopyTest : ::testing::Test {
    TempFolder root;
    TempFolder elsewhere;

    path trackMaster() const { return root / "TrackMaster ExE Files"; }

    // The previous card, its names in lower case as another tool may have left them.
    void writePreviousCard() {
        std::filesystem::create_directories(trackMaster());
        for (const std::string_view table : cardTableFiles) {
            std::string lower(table);
            for (char& c : lower)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            writeFile(trackMaster() / lower, "previous " + lower);
        }
        writeFile(trackMaster() / "notes.txt", "kept");
    }

    void expectSampleCardIn() const {
        std::map<std::string, std::string> expected;
        for (const std::string_view table : cardTableFiles)
            expected[std::string(table)] = sampleTable(table);
        expected["notes.txt"] = "kept";
        EXPECT_EQ(contentsOf(trackMaster()), expected);
    }

    // A failure names its kind and table, and leaves the previous card as it was.
    void expectRefused(const path& source, CardProblem::Kind kind, const std::string& table) {
        const auto before = contentsOf(trackMaster());
        const auto problem = copyCardIn(root.path(), source);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->kind, kind) << problem->text;
        EXPECT_EQ(problem->table, table) << problem->text;
        EXPECT_NE(problem->text.find(table), std::string::npos) << problem->text;
        EXPECT_EQ(contentsOf(trackMaster()), before);
    }
};

TEST_F(CardCopyTest, AFolderWithNamesInAnyCaseReplacesThePreviousCard) {
    writePreviousCard();
    const std::vector<std::string> names = {"racedr.dbf", "Thr2dr.Dbf", "THRRDR.dbf", "thrjdr.DBF",
                                            "ThrTdr.dbf"};
    for (std::size_t t = 0; t < names.size(); ++t)
        std::filesystem::copy_file(sampleCard / cardTableFiles[t], elsewhere / names[t]);
    writeFile(elsewhere / "THRSDR.DBF", "not one of the five");
    EXPECT_FALSE(copyCardIn(root.path(), elsewhere.path()));
    expectSampleCardIn();
}

TEST_F(CardCopyTest, AZipWithTheTablesAtItsTopOrInASubfolder) {
    auto plain = sampleEntries();
    for (auto& entry : plain)
        entry.unixMode = 0644; // as Python's zipfile stores it: no file type
    writeZip(elsewhere / "card.zip", plain);
    EXPECT_FALSE(copyCardIn(root.path(), elsewhere / "card.zip")) << "a fresh data root";
    writeFile(trackMaster() / "notes.txt", "kept");
    expectSampleCardIn();
    writePreviousCard();
    auto entries = sampleEntries([](std::string name) { return "CT 2026-12-05/data/" + name; });
    entries.push_back({"CT 2026-12-05/readme.txt", "a card"});
    entries.push_back({"__MACOSX/CT 2026-12-05/data/._RACEDR.DBF", "resource fork"});
    writeZip(elsewhere / "card.zip", entries);
    EXPECT_FALSE(copyCardIn(root.path(), elsewhere / "card.zip"));
    expectSampleCardIn();
}

TEST_F(CardCopyTest, EntryNamesAndLinksNeverLeadOutOfTheFolder) {
    writePreviousCard();
    const path absolute = elsewhere / "absolute.DBF";
    auto entries = sampleEntries(
        [](std::string name) { return name == "RACEDR.DBF" ? "../../" + name : "card/" + name; });
    entries.push_back({"../climbed-out-of-the-card", "climbs out"});
    entries.push_back({absolute.string(), "absolute"});
    entries.push_back({"THRJDR.DBF", "/etc/passwd", S_IFLNK | 0777});
    writeZip(elsewhere / "card.zip", entries);
    EXPECT_FALSE(copyCardIn(root.path(), elsewhere / "card.zip"));
    expectSampleCardIn();
    EXPECT_EQ(contentsOf(root.path()).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(root.path().parent_path() / "climbed-out-of-the-card"));
    EXPECT_FALSE(std::filesystem::exists(absolute));
}

TEST_F(CardCopyTest, ABadZipChangesNothing) {
    writePreviousCard();
    const auto damaged = [](std::vector<ZipEntry> entries) {
        entries[2].bytes.resize(entries[2].bytes.size() / 2);
        return entries;
    };
    auto missing = sampleEntries();
    missing.erase(missing.begin() + 3);
    missing.push_back({"THRJDR.DBF/", ""});
    auto typed = sampleEntries();
    typed[2].bytes = "THRRDR, typed by hand";
    auto twice = sampleEntries([](std::string name) { return "one/" + name; });
    twice.push_back({"two/thr2dr.dbf", sampleTable("THR2DR.DBF")});
    // A table followed by zeros: a small .zip that would fill the disk.
    auto bomb = sampleEntries();
    bomb[1].bytes.resize(largestTableBytes + 1);
    const std::tuple<std::vector<ZipEntry>, CardProblem::Kind, std::string> cases[] = {
        {missing, CardProblem::Kind::TableMissing, "THRJDR.DBF"},
        {damaged(sampleEntries()), CardProblem::Kind::TableDamaged, "THRRDR.DBF"},
        {typed, CardProblem::Kind::TableDamaged, "THRRDR.DBF"},
        {twice, CardProblem::Kind::TableTwice, "THR2DR.DBF"},
        {bomb, CardProblem::Kind::TableTooLarge, "THR2DR.DBF"},
    };
    for (const auto& [entries, kind, table] : cases) {
        writeZip(elsewhere / "card.zip", entries);
        expectRefused(elsewhere / "card.zip", kind, table);
    }
    writeFile(elsewhere / "card.zip", "PK but no more");
    expectRefused(elsewhere / "card.zip", CardProblem::Kind::ZipUnreadable, "");
    expectRefused(elsewhere / "missing", CardProblem::Kind::SourceUnreadable, "");
}

TEST_F(CardCopyTest, ATableThatCannotBePutInPlaceTakesEveryMoveBack) {
    writePreviousCard();
    std::filesystem::create_directory(trackMaster() / "THRTDR.DBF");
    expectRefused(sampleCard, CardProblem::Kind::CopyFailed, "");
}

TEST_F(CardCopyTest, AFolderTableLargerThanAnyCardsIsRefusedUnread) {
    writePreviousCard();
    for (const std::string_view table : cardTableFiles)
        std::filesystem::copy_file(sampleCard / table, elsewhere.path() / table);
    std::filesystem::resize_file(elsewhere / "THRRDR.DBF", largestTableBytes + 1);
    expectRefused(elsewhere.path(), CardProblem::Kind::TableTooLarge, "THRRDR.DBF");
}

} // namespace

namespace {

// The TrackMaster folder's tables and their bytes.
std::map<std::string, std::string> tablesIn(const path& folder) {
    std::map<std::string, std::string> tables;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "notes.txt")
            tables[entry.path().filename().string()] = readFile(entry.path());
    return tables;
}

} // namespace

// A chooser killed at any rename of its swap leaves the folder to the next
// run, or to Start, which make it whole: the previous card back, or the new
// one finished.
TEST_F(CardCopyTest, AChooserKilledAtAnyRenameLeavesAWholeCardAfterTheRepair) {
    for (int killedAt = 1; killedAt <= 11; ++killedAt) {
        SCOPED_TRACE(killedAt);
        std::filesystem::remove_all(trackMaster());
        writePreviousCard();
        const auto previous = tablesIn(trackMaster());
        const pid_t child = ::fork();
        if (child == 0) {
            int renames = 0;
            (void)copyCardIn(root.path(), sampleCard, [&] {
                if (++renames == killedAt)
                    ::raise(SIGKILL);
            });
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (killedAt % 2) {
            EXPECT_TRUE(tallowmere::repairUnfinishedSwap(trackMaster())); // as the next run does
        } else {
            tallowmere::testing::RecordingPlatform platform;
            tallowmere::Form1 form(platform);
            form.DataRoot = form.WorkFolder = root.path();
            tallowmere::Command1_Click(form);
        }
        const auto after = tablesIn(trackMaster());
        EXPECT_EQ(WIFSIGNALED(status), killedAt <= 10) << "ten renames, five out and five in";
        if (after != previous) {
            expectSampleCardIn();
        }
        EXPECT_FALSE(std::filesystem::exists(tallowmere::stagingFolder(trackMaster())));
    }
}

// A journal that cannot be read leaves the folder, and the previous card's
// tables kept aside, as they are: nothing is deleted on a guess.
TEST_F(CardCopyTest, AJournalThatCannotBeReadKeepsThePreviousCardAside) {
    writePreviousCard();
    const path previous = tallowmere::stagingFolder(trackMaster()) / "previous";
    std::filesystem::create_directories(previous);
    std::filesystem::rename(trackMaster() / "racedr.dbf", previous / "racedr.dbf");
    std::filesystem::create_directory(tallowmere::stagingFolder(trackMaster()) / "swap");
    EXPECT_FALSE(tallowmere::repairUnfinishedSwap(trackMaster()));
    EXPECT_TRUE(std::filesystem::exists(previous / "racedr.dbf"));
    expectRefused(sampleCard, CardProblem::Kind::CopyFailed, "");
    EXPECT_TRUE(std::filesystem::exists(previous / "racedr.dbf"));
}
