#include "support/TempFolder.h"

#include "text/TempFolder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tallowmere::testing {

TempFolder::TempFolder() {
    const auto made = text::makeTempFolder("tallowmere-test");
    if (!made)
        throw std::runtime_error("cannot make a temporary folder");
    path_ = *made;
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace tallowmere::testing
