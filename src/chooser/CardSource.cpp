#include "chooser/CardSource.h"

#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <zip.h>

namespace tallowmere::chooser {
namespace {

class FolderSource : public CardSource {
  public:
    explicit FolderSource(std::vector<std::filesystem::path> files) : files_(std::move(files)) {
        for (const auto& file : files_)
            entries_.push_back({file.filename().string(), file.string()});
    }

    const std::vector<SourceEntry>& entries() const override { return entries_; }

    std::optional<CopyFailure> copyOut(std::size_t index,
                                       const std::filesystem::path& file) const override {
        std::error_code error;
        const auto size = std::filesystem::file_size(files_.at(index), error);
        if (!error && size > largestTableBytes)
            return CopyFailure{true, ""};
        if (!error)
            std::filesystem::copy_file(files_.at(index), file,
                                       std::filesystem::copy_options::overwrite_existing, error);
        if (error)
            return CopyFailure{false, error.message()};
        return std::nullopt;
    }

  private:
    std::vector<std::filesystem::path> files_;
    std::vector<SourceEntry> entries_;
};

struct ZipDiscarder {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscarder>;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipFileHandle = std::unique_ptr<zip_file_t, ZipFileCloser>;

std::string zipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// Folders and links stored in a .zip are passed over: a link's bytes are
// where it points, never a table. Any other entry is a file, also when its
// Unix mode holds permissions only (as some tools write it).
bool isRegularFileEntry(zip_t* archive, zip_uint64_t index, const std::string& name) {
    if (name.empty() || name.back() == '/')
        return false;
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    if (system != ZIP_OPSYS_UNIX)
        return true;
    const mode_t mode = attributes >> 16;
    return !S_ISDIR(mode) && !S_ISLNK(mode);
}

std::string baseName(const std::string& entryName) {
    const auto slash = entryName.find_last_of("/\\");
    return slash == std::string::npos ? entryName : entryName.substr(slash + 1);
}

class ZipSource : public CardSource {
  public:
    ZipSource(ZipHandle archive, const std::filesystem::path& path) : archive_(std::move(archive)) {
        const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            const auto index = static_cast<zip_uint64_t>(i);
            const char* name = zip_get_name(archive_.get(), index, 0);
            if (name == nullptr || !isRegularFileEntry(archive_.get(), index, name))
                continue;
            entries_.push_back({baseName(name), path.string() + ": " + name});
            indices_.push_back(index);
        }
    }

    const std::vector<SourceEntry>& entries() const override { return entries_; }

    // The entry's stated size may lie, so the bytes are counted as they come.
    std::optional<CopyFailure> copyOut(std::size_t index,
                                       const std::filesystem::path& file) const override {
        const ZipFileHandle in(zip_fopen_index(archive_.get(), indices_.at(index), 0));
        if (!in)
            return CopyFailure{false, zip_strerror(archive_.get())};
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        char buffer[1 << 16];
        std::uintmax_t written = 0;
        zip_int64_t got = 0;
        while ((got = zip_fread(in.get(), buffer, sizeof buffer)) > 0) {
            written += static_cast<std::uintmax_t>(got);
            if (written > largestTableBytes)
                return CopyFailure{true, ""};
            out.write(buffer, got);
        }
        if (got < 0)
            return CopyFailure{false, zip_file_strerror(in.get())};
        out.close();
        if (out.fail())
            return CopyFailure{false, "cannot write " + file.string()};
        return std::nullopt;
    }

  private:
    ZipHandle archive_;
    std::vector<SourceEntry> entries_;
    std::vector<zip_uint64_t> indices_;
};

OpenedSource openFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code unknown;
        if (it->is_regular_file(unknown))
            files.push_back(it->path());
    }
    if (error)
        return CardProblem{CardProblem::Kind::SourceUnreadable, "",
                           "The folder " + folder.string() + " cannot be read: " + error.message() +
                               "."};
    return std::make_unique<FolderSource>(std::move(files));
}

OpenedSource openZip(const std::filesystem::path& file) {
    int code = 0;
    ZipHandle archive(zip_open(file.c_str(), ZIP_RDONLY, &code));
    if (!archive)
        return CardProblem{CardProblem::Kind::ZipUnreadable, "",
                           "The file " + file.string() +
                               " cannot be read as a .zip archive: " + zipErrorText(code) + "."};
    return std::make_unique<ZipSource>(std::move(archive), file);
}

} // namespace

OpenedSource openCardSource(const std::filesystem::path& source) {
    std::error_code error;
    if (std::filesystem::is_directory(source, error))
        return openFolder(source);
    if (std::filesystem::is_regular_file(source, error))
        return openZip(source);
    return CardProblem{CardProblem::Kind::SourceUnreadable, "",
                       source.string() + " is neither a folder nor a .zip file."};
}

} // namespace tallowmere::chooser
