#pragma once

#include "model/Platform.h"
#include "reports/HandKeptText.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere {

// A file the user keeps by hand, as an editing session knows it.
struct HandKeptFile {
    std::filesystem::path path;
    EditedFile kind = EditedFile::TrackList;
    // The bytes as the session last read or wrote them; nothing when there
    // was no file (a new archive or track list).
    std::optional<std::string> onDisk;
    LineLayout layout;
    // The session's first save keeps the file as it was opened: once is enough.
    bool backupKept = false;
};

struct OpenedFile {
    HandKeptFile file;
    std::string text;                   // the editor's text
    std::optional<std::string> problem; // why it cannot be edited
};

// Reads the file for editing; a missing file opens empty. A folder in its
// place, or a file that cannot be read, gives the problem instead.
OpenedFile openHandKeptFile(const std::filesystem::path& path, EditedFile kind);

// Whether the bytes on disk are not those the session last read or wrote:
// another program (Record appends to TBA.ini) or another editor wrote them.
bool changedOnDisk(const HandKeptFile& file);

enum class SaveOutcome { Saved, ChangedOnDisk, Refused };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    std::string message; // what the user is told when Refused
};

// Writes the editor's text over the file whole or not at all. A file changed
// on disk is left alone (ChangedOnDisk) unless `overwrite`, and is then kept
// first under a backup name. The session's first save keeps the file as it
// was opened under its first free backup name. The archive is saved under the
// lock Record takes, waiting at most `lockWait` for it.
SaveResult saveHandKeptFile(HandKeptFile& file, std::string_view text, bool overwrite,
                            std::chrono::milliseconds lockWait = std::chrono::seconds(2));

// Writes `content` under the file's first free backup name (<name>.bak,
// <name>.bak2, ...) without replacing any file; the reason of a failure.
std::optional<std::string> keepCopyAsBackup(const std::filesystem::path& file,
                                            std::string_view content);

} // namespace tallowmere
