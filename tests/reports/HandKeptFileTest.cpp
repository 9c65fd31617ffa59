#include "reports/HandKeptFile.h"

#include "support/TempFolder.h"
#include "text/FileLock.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

std::size_t filesIn(const TempFolder& folder) {
    return std::distance(std::filesystem::directory_iterator(folder.path()), {});
}

} // namespace

TEST(HandKeptFile, KeepsTheOpenedFileAsItsFirstFreeBackupOnceAndItsLineEnds) {
    TempFolder folder;
    const auto file = folder / "TrackEditor.ini";
    writeFile(file, "CD  one\nAQU two\n");
    writeFile(folder / "TrackEditor.ini.bak", "an older backup");
    auto opened = openHandKeptFile(file, EditedFile::TrackList);
    ASSERT_FALSE(opened.problem);
    EXPECT_EQ(opened.text, "CD  one\nAQU two");
    EXPECT_EQ(saveHandKeptFile(opened.file, "CD  one\nSA  three", false).outcome,
              SaveOutcome::Saved);
    EXPECT_EQ(readFile(file), "CD  one\nSA  three\n");
    EXPECT_EQ(readFile(folder / "TrackEditor.ini.bak"), "an older backup");
    EXPECT_EQ(readFile(folder / "TrackEditor.ini.bak2"), "CD  one\nAQU two\n");
    EXPECT_EQ(saveHandKeptFile(opened.file, "SA  three", false).outcome, SaveOutcome::Saved);
    EXPECT_EQ(readFile(file), "SA  three\n");
    EXPECT_EQ(filesIn(folder), 3u) << "one backup a session, no temporary file left";
}

TEST(HandKeptFile, NoticesAChangeOnDiskAndOverwritesItOnlyWhenTold) {
    TempFolder folder;
    const auto archive = folder / "TBA.ini";
    auto opened = openHandKeptFile(archive, EditedFile::Archive);
    ASSERT_FALSE(opened.problem) << "a missing archive opens empty";
    EXPECT_FALSE(changedOnDisk(opened.file));
    writeFile(archive, "   CD_20261205  9\r\n");
    EXPECT_TRUE(changedOnDisk(opened.file));
    EXPECT_EQ(saveHandKeptFile(opened.file, "AQU_20261206 10", false).outcome,
              SaveOutcome::ChangedOnDisk);
    EXPECT_EQ(readFile(archive), "   CD_20261205  9\r\n");
    EXPECT_EQ(saveHandKeptFile(opened.file, "AQU_20261206 10", true).outcome, SaveOutcome::Saved);
    EXPECT_EQ(readFile(archive), "AQU_20261206 10\r\n");
    EXPECT_EQ(readFile(folder / "TBA.ini.bak"), "   CD_20261205  9\r\n")
        << "the line another program wrote is kept";
    EXPECT_FALSE(changedOnDisk(opened.file));
}

TEST(HandKeptFile, RefusesWhileRecordHoldsTheArchiveLockOrACharacterCannotBeWritten) {
    TempFolder folder;
    const auto archive = folder / "TBA.ini";
    writeFile(archive, "   CD_20261205  9\r\n");
    auto opened = openHandKeptFile(archive, EditedFile::Archive);
    {
        const auto held = text::FileLock::take(archive.string() + ".lock");
        ASSERT_TRUE(held);
        const auto result = saveHandKeptFile(opened.file, "x", false, std::chrono::milliseconds(0));
        EXPECT_EQ(result.outcome, SaveOutcome::Refused);
        EXPECT_EQ(result.message, "TBA.ini was not saved: TBA.ini.lock is held by another "
                                  "program. Try again in a moment.");
    }
    const auto result = saveHandKeptFile(opened.file, "\xE2\x9C\x93", false);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused);
    EXPECT_NE(result.message.find("U+2713"), std::string::npos);
    EXPECT_EQ(readFile(archive), "   CD_20261205  9\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "TBA.ini.bak"));
}

TEST(HandKeptFile, LeavesTheOldFileWholeWhenTheSaveFails) {
    TempFolder folder;
    const auto file = folder / "TrackEditor.ini";
    writeFile(file, "CD  one\r\n");
    auto opened = openHandKeptFile(file, EditedFile::TrackList);
    // A folder where the backup's copy is written stops the save before it begins.
    std::filesystem::create_directory(folder / "TrackEditor.ini.bak-new");
    auto result = saveHandKeptFile(opened.file, "SA  two", false);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused);
    EXPECT_EQ(result.message.rfind("TrackEditor.ini was not saved: its backup copy could not be "
                                   "written (",
                                   0),
              0u);
    EXPECT_EQ(readFile(file), "CD  one\r\n");
    std::filesystem::remove(folder / "TrackEditor.ini.bak-new");
    // A folder put in the file's place is never replaced.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    writeFile(file / "inside", "kept");
    result = saveHandKeptFile(opened.file, "SA  two", true);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused);
    EXPECT_EQ(result.message, "TrackEditor.ini was not saved: not a regular file. The file on "
                              "disk is as it was.");
    EXPECT_EQ(readFile(file / "inside"), "kept");
    EXPECT_TRUE(openHandKeptFile(file, EditedFile::TrackList).problem);
}
