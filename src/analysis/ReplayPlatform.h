#pragma once

#include "model/Platform.h"

#include <string>
#include <vector>

namespace tallowmere::analysis {

// The desktop of a replay: nothing is shown or started; questions are
// answered Yes, and the other messages but notices are kept, since any of
// them means the card did not go through.
class ReplayPlatform : public Platform {
  public:
    void showTextFile(const std::filesystem::path&) override {}
    void openUrl(const std::string&) override {}
    MessageAnswer showMessage(const Message& message) override;
    void beep() override {}
    void startProgram(const std::filesystem::path&, const std::vector<std::string>&) override {}
    void setFilesHidden(const std::filesystem::path&, const std::vector<std::string>&,
                        bool) override {}
    std::string shortDate(int year, int month, int day) override;
    void endProgram() override {}

    const std::vector<std::string>& messages() const { return messages_; }

  private:
    std::vector<std::string> messages_;
};

} // namespace tallowmere::analysis
