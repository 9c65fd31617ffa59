#pragma once

#include "model/Platform.h"

namespace tallowmere::gui {

// The desktop of one window: everything goes to `desktop`; the window also
// learns that a command ended the program, so it closes once that command is
// done, without saving again.
class WindowPlatform : public Platform {
  public:
    explicit WindowPlatform(Platform& desktop) : desktop_(desktop) {}

    bool ended() const { return ended_; }

    void showTextFile(const std::filesystem::path& file) override { desktop_.showTextFile(file); }
    void printTextFile(const std::filesystem::path& file) override { desktop_.printTextFile(file); }
    void editTextFile(const std::filesystem::path& file, EditedFile kind) override {
        desktop_.editTextFile(file, kind);
    }
    void openUrl(const std::string& address) override { desktop_.openUrl(address); }
    MessageAnswer showMessage(const Message& message) override {
        return desktop_.showMessage(message);
    }
    void beep() override { desktop_.beep(); }
    void startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override {
        desktop_.startProgram(program, arguments);
    }
    void setFilesHidden(const std::filesystem::path& folder, const std::vector<std::string>& names,
                        bool hidden) override {
        desktop_.setFilesHidden(folder, names, hidden);
    }
    std::string shortDate(int year, int month, int day) override {
        return desktop_.shortDate(year, month, day);
    }
    void endProgram() override {
        ended_ = true;
        desktop_.endProgram();
    }

  private:
    Platform& desktop_;
    bool ended_ = false;
};

} // namespace tallowmere::gui
