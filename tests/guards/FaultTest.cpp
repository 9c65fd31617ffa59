// Writes that fail and saves that are killed: the old file stays whole and
// loads, the user is told, and nothing else changes. No case relies on file
// permissions (the tests may run as root).
#include "app/AppCommands.h"
#include "app/CommandTable.h"
#include "card/DataRoot.h"
#include "card/RecordFile.h"
#include "cli/BatchPlatform.h"
#include "guards/BadInputs.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

// Runs the commands in a child process whose files may not grow past
// `fileLimit` bytes (0: no limit); what the user was shown.
Said runInChild(const Root& root, const Commands& commands, rlim_t fileLimit) {
    int ends[2];
    if (::pipe(ends) != 0)
        return {-1, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (fileLimit > 0) {
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
            const rlimit limit{fileLimit, fileLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        const Said said = runOn(root, commands);
        (void)!::write(ends[1], said.text.data(), said.text.size());
        ::_exit(said.status);
    }
    ::close(ends[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

std::set<std::string> namesIn(const Root& folder) {
    std::set<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.insert(item.path().filename().string());
    return names;
}

} // namespace

TEST(FailedWrites, KeepTheOldFileWholeAndTellTheUser) {
    const auto folderAt = [](std::string file) {
        return [file](const Root& root) {
            std::filesystem::remove(root / file);
            std::filesystem::create_directories(root / file / "inside");
        };
    };
    const auto fullDisk = [](const Root& root) {
        std::filesystem::remove(root / "TBA.ini");
        std::filesystem::create_symlink("/dev/full", root / "TBA.ini");
    };
    const std::string archive = "TBA.ini";
    // An empty reason: what stands there is not a regular file and is left alone.
    const std::tuple<std::string, Spoil, rlim_t, std::string> cases[] = {
        {cardFile, {}, 16, "File too large"}, {cardFile, folderAt(cardFile), 0, ""},
        {archive, {}, 5, "File too large"},   {archive, fullDisk, 0, ""},
        {archive, folderAt(archive), 0, ""},
    };
    for (const auto& [file, spoil, fileLimit, reason] : cases) {
        SCOPED_TRACE(file + ": " + reason);
        TempFolder root;
        makePlainRoot(root.path());
        writeFile(root / archive, "A\r\n");
        ASSERT_EQ(runOn(root.path(), {"start", "type", "Text39", "5", "7", "close"}).text, "");
        if (spoil)
            spoil(root.path());
        const auto bytes = [&] {
            return std::filesystem::is_regular_file(root / file) ? readFile(root / file) : "";
        };
        const std::string old = bytes();
        // A Test run saves no record file, so the archive's is the one write that fails.
        const Said said = runInChild(
            root.path(),
            file == archive ? Commands{"test", "start", "auto-record", "summary", "record"}
                            : Commands{"start", "type", "Text39", "5", "9", "close"},
            fileLimit);
        EXPECT_EQ(said.status, 0);
        const std::string notRegular = "MESSAGE Tallowmere TB: \"ROOT/" + file +
                                       "\" is not a regular file: nothing was read or written.\n";
        EXPECT_EQ(said.text,
                  reason.empty()
                      ? notRegular
                      : "MESSAGE Tallowmere TB: The " +
                            std::string(file == archive ? "archive could not be written to"
                                                        : "race card could not be saved to") +
                            " ROOT/" + file + ": " + reason + "\n");
        EXPECT_EQ(bytes(), old);
        const std::string temporary = "." + (root / file).filename().string() + ".";
        for (const auto& name : namesIn((root / file).parent_path()))
            EXPECT_FALSE(name.starts_with(temporary)) << name;
        EXPECT_EQ(runOn(root.path(), {"start"}).text,
                  reason.empty() && file == cardFile ? notRegular : "")
            << "the old record file still loads";
    }
}

TEST(KilledSaves, LeaveTheOldOrTheNewFileWholeAndNoPileOfTemporaries) {
    TempFolder folder;
    const auto file = folder / "  SAR_20261205.pmd";
    RecordArrays older, newer;
    for (int race = 1; race <= 20; ++race) {
        older.CardPicks.set(race, 1, std::string(2000, 'o'));
        newer.CardPayoffs.set(race, 10, std::string(2000, 'n'));
    }
    std::set<std::string> names = {".  SAR_20261205.pmd.notes", ".  SAR_20261206.pmd.AbC123",
                                   "other.pmd"};
    for (const auto& name : names)
        writeFile(folder / name, "not a leftover of this card");
    ASSERT_FALSE(saveRecordFile(file, older, 20).has_value());
    std::mt19937 dice(20261205);
    for (int kill = 0; kill < 20; ++kill) {
        const pid_t child = ::fork();
        if (child == 0)
            for (int save = 0;; ++save)
                (void)saveRecordFile(file, save % 2 ? older : newer, 20);
        std::this_thread::sleep_for(std::chrono::microseconds(dice() % 20'000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const RecordFileLoad load = loadRecordFile(file, {}, 20);
        ASSERT_EQ(load.status, RecordFileStatus::Loaded) << "kill " << kill;
        EXPECT_TRUE(load.arrays == older || load.arrays == newer) << "kill " << kill;
        EXPECT_LE(namesIn(folder.path()).size(), names.size() + 2) << "kill " << kill;
    }
    ASSERT_FALSE(saveRecordFile(file, older, 20).has_value());
    names.insert(file.filename().string());
    EXPECT_EQ(namesIn(folder.path()), names) << "the next save removes what killed saves left";
}

TEST(TablesChangedAfterStartUp, StartWorksOnTheTablesAsTheyAreThen) {
    const std::tuple<const char*, Spoil, std::string, std::string> cases[] = {
        {"removed", [](const Root& root) { std::filesystem::remove_all(tables(root)); }, noRace,
         ""},
        {"cut short", changeBytes(racedr, [](std::string& b) { b.resize(20); }), noRace, ""},
        {"replaced by another card's",
         [](const Root& root) {
             std::filesystem::copy(std::filesystem::path(TALLOWMERE_SAMPLES) / "card", tables(root),
                                   std::filesystem::copy_options::overwrite_existing |
                                       std::filesystem::copy_options::recursive);
         },
         "", "   CT_20261205.pmd"},
    };
    for (const auto& [what, change, said, cardName] : cases) {
        TempFolder root;
        makePlainRoot(root.path());
        std::ostringstream out;
        cli::BatchPlatform platform(out, false);
        Form1 form(platform);
        form.DataRoot = form.WorkFolder = root.path();
        Form_Load(form);
        change(root.path());
        commandForWord("start")->run(form, {}, out);
        EXPECT_EQ(out.str(), said) << what;
        EXPECT_EQ(form.ActiveCardFile, cardName) << what;
    }
}

TEST(TwoPrograms, ASecondOnTheSameDataRootEndsAtOnce) {
    TempFolder root;
    makePlainRoot(root.path());
    const auto held = holdDataRoot(root.path());
    ASSERT_TRUE(held);
    const Said said = runOn(root.path(), {"start", "close"});
    EXPECT_EQ(said.status, 1);
    EXPECT_EQ(said.text, "tallowmere-cli: Tallowmere TB is already working on \"ROOT\".\n");
    EXPECT_FALSE(std::filesystem::exists(root / cardFile));
}

// Two data roots sharing a working folder Record the same card at the same
// moment: the archive gets it once.
TEST(TwoPrograms, RecordingOneCardAtOnceArchivesItOnce) {
    for (int round = 0; round < 10; ++round) {
        TempFolder first, second, work;
        makePlainRoot(first.path());
        makePlainRoot(second.path());
        std::filesystem::copy_file(first / "TrackEditor.ini", work / "TrackEditor.ini");
        std::vector<pid_t> children;
        for (const auto* root : {&first, &second}) {
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(runOn(root->path(), {"--work-dir", work.path().string(), "start",
                                             "auto-record", "summary", "record"})
                            .status);
            children.push_back(child);
        }
        for (const pid_t child : children)
            ::waitpid(child, nullptr, 0);
        const auto archive = readFile(work / "TBA.ini");
        EXPECT_EQ(std::count(archive.begin(), archive.end(), '\n'), 1) << "round " << round;
    }
}
