#include "card/CardSwap.h"

#include "text/TextFiles.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace tallowmere {
namespace {

namespace fs = std::filesystem;

fs::path journalOf(const fs::path& trackMaster) {
    return stagingFolder(trackMaster) / "swap";
}

fs::path previousFolder(const fs::path& trackMaster) {
    return stagingFolder(trackMaster) / "previous";
}

std::string journalText(const CardSwap& swap) {
    std::string text;
    for (const auto& name : swap.previousTables)
        text += "previous\t" + name + "\n";
    for (const auto& name : swap.newTables)
        text += "new\t" + name + "\n";
    return text;
}

// The swap the journal holds; nothing when there is no journal; an empty
// swap with `unreadable` set when there is one that cannot be read.
struct Journal {
    std::optional<CardSwap> swap;
    bool unreadable = false;
};

Journal readJournal(const fs::path& trackMaster) {
    const text::FileRead read = text::readFileChecked(journalOf(trackMaster));
    if (read.status == text::FileRead::Status::Missing)
        return {};
    if (read.status != text::FileRead::Status::Read)
        return {std::nullopt, true};
    CardSwap swap;
    for (const auto& line : text::splitLines(read.content)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string name = line.substr(tab + 1);
        if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
            continue; // a journal is never trusted to lead out of the folder
        (line.starts_with("previous\t") ? swap.previousTables : swap.newTables).push_back(name);
    }
    return {swap, false};
}

bool isThere(const fs::path& file) {
    std::error_code error;
    return fs::exists(fs::symlink_status(file, error));
}

// Renames that can be taken back.
class Moves {
  public:
    explicit Moves(const std::function<void()>& beforeRename) : beforeRename_(beforeRename) {}

    std::error_code move(const fs::path& from, const fs::path& to) {
        if (beforeRename_)
            beforeRename_();
        std::error_code error;
        fs::rename(from, to, error);
        if (!error)
            done_.emplace_back(from, to);
        return error;
    }

    // Whether every rename was taken back.
    bool undo() {
        bool undone = true;
        for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
            std::error_code error;
            fs::rename(it->second, it->first, error);
            undone = undone && !error;
        }
        done_.clear();
        return undone;
    }

  private:
    const std::function<void()>& beforeRename_;
    std::vector<std::pair<fs::path, fs::path>> done_;
};

void removeStaging(const fs::path& trackMaster) {
    std::error_code ignored;
    fs::remove_all(stagingFolder(trackMaster), ignored);
}

} // namespace

fs::path stagingFolder(const fs::path& trackMaster) {
    return trackMaster / ".tallowmere-cards";
}

std::optional<std::string> swapCardTables(const fs::path& trackMaster, const CardSwap& swap,
                                          const std::function<void()>& beforeRename) {
    std::error_code error;
    fs::create_directories(previousFolder(trackMaster), error);
    if (error)
        return error.message();
    if (const auto reason = text::replaceFile(journalOf(trackMaster), journalText(swap)))
        return reason;
    Moves moves(beforeRename);
    for (const auto& name : swap.previousTables)
        if (!error)
            error = moves.move(trackMaster / name, previousFolder(trackMaster) / name);
    for (const auto& name : swap.newTables)
        if (!error)
            error = moves.move(stagingFolder(trackMaster) / name, trackMaster / name);
    // A swap that could not be taken back whole keeps its journal, so the
    // next repair puts the previous card back.
    if (!error || moves.undo()) {
        std::error_code ignored;
        fs::remove(journalOf(trackMaster), ignored);
    }
    return error ? std::optional<std::string>(error.message()) : std::nullopt;
}

bool repairUnfinishedSwap(const fs::path& trackMaster) {
    const auto [swap, unreadable] = readJournal(trackMaster);
    if (unreadable)
        return false;
    if (swap) {
        const fs::path staging = stagingFolder(trackMaster);
        const bool finished =
            std::none_of(swap->newTables.begin(), swap->newTables.end(),
                         [&](const auto& name) { return isThere(staging / name); });
        bool failed = false;
        const auto move = [&failed](const fs::path& from, const fs::path& to) {
            std::error_code error;
            fs::rename(from, to, error);
            failed = failed || error;
        };
        if (!finished) {
            // Undone in the reverse order: the new tables out, the previous ones back.
            for (const auto& name : swap->newTables)
                if (!isThere(staging / name) && isThere(trackMaster / name))
                    move(trackMaster / name, staging / name);
            for (const auto& name : swap->previousTables)
                if (isThere(previousFolder(trackMaster) / name))
                    move(previousFolder(trackMaster) / name, trackMaster / name);
        }
        std::error_code error;
        if (failed || !fs::remove(journalOf(trackMaster), error) || error)
            return false; // the journal stays, and the next repair goes on from here
    }
    removeStaging(trackMaster);
    return true;
}

} // namespace tallowmere
