#pragma once

#include "model/Platform.h"

// A desktop that does nothing and answers OK.
class SilentPlatform : public tallowmere::Platform {
  public:
    void showTextFile(const std::filesystem::path&) override {}
    void openUrl(const std::string&) override {}
    tallowmere::MessageAnswer showMessage(const tallowmere::Message&) override {
        return tallowmere::MessageAnswer::Ok;
    }
    void beep() override {}
    void startProgram(const std::filesystem::path&, const std::vector<std::string>&) override {}
    void setFilesHidden(const std::filesystem::path&, const std::vector<std::string>&,
                        bool) override {}
    std::string shortDate(int, int, int) override { return {}; }
    void endProgram() override {}
};
