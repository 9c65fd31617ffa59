#include "reports/HandKeptFile.h"

#include "card/RecordFile.h"
#include "text/FileLock.h"
#include "text/TextFiles.h"

namespace tallowmere {
namespace {

std::string notSavedText(const std::filesystem::path& file, const std::string& why) {
    return file.filename().string() + " was not saved: " + why;
}

SaveResult refused(const std::filesystem::path& file, const std::string& why) {
    return {SaveOutcome::Refused, notSavedText(file, why)};
}

// The bytes on disk now: nothing when there is no file or it cannot be read.
std::optional<std::string> bytesNow(const std::filesystem::path& path) {
    return text::readWholeFile(path);
}

// The copies a save keeps before writing: the file as the session opened it,
// at its first save, and the file as another program changed it, when the
// user overwrites it.
std::optional<std::string> keepBackups(HandKeptFile& file, const std::optional<std::string>& now,
                                       bool changed) {
    if (!file.backupKept && file.onDisk)
        if (auto reason = keepCopyAsBackup(file.path, *file.onDisk))
            return reason;
    file.backupKept = true;
    if (changed && now)
        return keepCopyAsBackup(file.path, *now);
    return std::nullopt;
}

SaveResult save(HandKeptFile& file, const std::string& bytes, bool overwrite) {
    const auto now = bytesNow(file.path);
    const bool changed = now != file.onDisk;
    if (changed && !overwrite)
        return {SaveOutcome::ChangedOnDisk, {}};
    if (const auto reason = keepBackups(file, now, changed))
        return refused(file.path, "its backup copy could not be written (" + *reason + ").");
    if (const auto reason = text::replaceFile(file.path, bytes))
        return refused(file.path, *reason + ". The file on disk is as it was.");
    file.onDisk = bytes;
    return {};
}

} // namespace

OpenedFile openHandKeptFile(const std::filesystem::path& path, EditedFile kind) {
    OpenedFile opened{{path, kind, std::nullopt, {}, false}, {}, std::nullopt};
    const text::FileRead read = text::readFileChecked(path);
    if (read.status == text::FileRead::Status::NotRegular)
        opened.problem = text::notRegularFileText(path);
    else if (read.status == text::FileRead::Status::Failed)
        opened.problem = "\"" + path.string() + "\" could not be read: " + read.reason + ".";
    if (read.status != text::FileRead::Status::Read)
        return opened;
    opened.file.onDisk = read.content;
    opened.file.layout = lineLayoutOf(read.content);
    opened.text = editorTextOf(read.content);
    return opened;
}

bool changedOnDisk(const HandKeptFile& file) {
    return bytesNow(file.path) != file.onDisk;
}

SaveResult saveHandKeptFile(HandKeptFile& file, std::string_view text, bool overwrite,
                            std::chrono::milliseconds lockWait) {
    const auto bytes = fileBytesOf(text, file.layout);
    if (const auto* bad = std::get_if<Unencodable>(&bytes))
        return {SaveOutcome::Refused, unencodableText(file.path, *bad)};
    if (file.kind != EditedFile::Archive)
        return save(file, std::get<std::string>(bytes), overwrite);
    // Record appends to the archive under this lock: a line it appends is
    // either in the bytes compared or waits for the save.
    const std::string lockName = file.path.filename().string() + ".lock";
    const auto lock = text::FileLock::take(file.path.string() + ".lock", lockWait);
    if (!lock)
        return refused(file.path, lockName + " is held by another program. Try again in a moment.");
    return save(file, std::get<std::string>(bytes), overwrite);
}

std::optional<std::string> keepCopyAsBackup(const std::filesystem::path& file,
                                            std::string_view content) {
    const std::filesystem::path copy = file.string() + ".bak-new";
    if (auto reason = text::replaceFile(copy, content))
        return reason;
    std::error_code error;
    do
        error = text::renameWithoutReplacing(copy, firstFreeBackupName(file));
    while (error == std::errc::file_exists);
    if (!error)
        return std::nullopt;
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
    return error.message();
}

} // namespace tallowmere
