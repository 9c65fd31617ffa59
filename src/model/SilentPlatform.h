#pragma once

#include "model/Platform.h"

namespace tallowmere {

// A desktop that shows, opens and starts nothing and answers OK: for the
// programs that work a card without a user (replays, screenshots, benchmarks).
class SilentPlatform : public Platform {
  public:
    void showTextFile(const std::filesystem::path&) override {}
    void printTextFile(const std::filesystem::path&) override {}
    void editTextFile(const std::filesystem::path&, EditedFile) override {}
    void openUrl(const std::string&) override {}
    MessageAnswer showMessage(const Message&) override { return MessageAnswer::Ok; }
    void beep() override {}
    void startProgram(const std::filesystem::path&, const std::vector<std::string>&) override {}
    void setFilesHidden(const std::filesystem::path&, const std::vector<std::string>&,
                        bool) override {}
    std::string shortDate(int, int, int) override { return {}; }
    void endProgram() override {}
};

} // namespace tallowmere
