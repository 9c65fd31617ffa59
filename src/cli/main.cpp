// tallowmere-cli: the batch front end. Runs menu commands and button presses
// in order against one window model and prints what the window would show.
#include "cli/BatchRun.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        program = std::filesystem::absolute(argv[0], error);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return tallowmere::cli::runBatch(arguments, std::cout, std::cerr, program.parent_path());
}
