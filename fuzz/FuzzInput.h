#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Inputs that hold several files join them with this line; scripts/fuzz joins
// the seed files the same way.
inline constexpr std::string_view fileSeparator = "\n--tallowmere-fuzz-file--\n";

// At most `count` parts; the last takes the rest, separators and all.
inline std::vector<std::string_view> splitFiles(std::string_view input, std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const auto at = input.find(fileSeparator);
        if (at == std::string_view::npos)
            break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + fileSeparator.size());
    }
    parts.push_back(input);
    return parts;
}

// Where the fuzz targets keep their files: the folder scripts/fuzz names in
// TALLOWMERE_FUZZ_TMP (it removes it afterwards), else memory (/dev/shm when
// there is one).
inline std::filesystem::path fuzzTemporaryFolder() {
    if (const char* named = std::getenv("TALLOWMERE_FUZZ_TMP"); named && *named)
        return named;
    std::error_code error;
    return std::filesystem::exists("/dev/shm", error) ? std::filesystem::path("/dev/shm")
                                                      : std::filesystem::temp_directory_path();
}

// A folder for this process, emptied for every input.
inline std::filesystem::path freshFolder() {
    static const std::filesystem::path folder =
        fuzzTemporaryFolder() / ("tallowmere-fuzz-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

} // namespace fuzz
