#pragma once

#include "model/Platform.h"

#include <ostream>

namespace tallowmere::cli {

// The desktop as the batch front end sees it: what would open or ask is
// printed, one line each, in the order it happens. Questions are answered Yes,
// or No when the run was told --no.
class BatchPlatform : public Platform {
  public:
    BatchPlatform(std::ostream& out, bool answerNo) : out_(out), answerNo_(answerNo) {}

    void showTextFile(const std::filesystem::path& file) override;
    void printTextFile(const std::filesystem::path& file) override;
    void editTextFile(const std::filesystem::path& file, EditedFile kind) override;
    void openUrl(const std::string& address) override;
    MessageAnswer showMessage(const Message& message) override;
    void beep() override {}
    void startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override;
    void setFilesHidden(const std::filesystem::path& folder, const std::vector<std::string>& names,
                        bool hidden) override;
    std::string shortDate(int year, int month, int day) override;
    void endProgram() override { ended_ = true; }

    bool ended() const { return ended_; }

  private:
    std::ostream& out_;
    bool answerNo_;
    bool ended_ = false;
};

} // namespace tallowmere::cli
