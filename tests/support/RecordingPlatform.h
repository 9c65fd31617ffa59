#pragma once

#include "app/HiddenFiles.h"
#include "model/Platform.h"

#include <string>
#include <vector>

namespace tallowmere::testing {

// A desktop that writes down what it was asked, one line each, and answers
// questions with `answer`. Hiding files uses the real marker file.
class RecordingPlatform : public Platform {
  public:
    std::vector<std::string> calls;
    std::vector<Message> messages;
    MessageAnswer answer = MessageAnswer::Yes;
    bool ended = false;

    void showTextFile(const std::filesystem::path& file) override {
        calls.push_back("view " + file.string());
    }
    void printTextFile(const std::filesystem::path& file) override {
        calls.push_back("print " + file.string());
    }
    void editTextFile(const std::filesystem::path& file, EditedFile kind) override {
        const char* kinds[] = {"edit archive ", "edit track list ", "edit chart "};
        calls.push_back(kinds[static_cast<int>(kind)] + file.string());
    }
    void openUrl(const std::string& address) override { calls.push_back("open " + address); }
    MessageAnswer showMessage(const Message& message) override {
        messages.push_back(message);
        calls.push_back("message " + message.text);
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    void beep() override { calls.push_back("beep"); }
    void startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override {
        std::string call = "run " + program.string();
        for (const auto& argument : arguments)
            call += " " + argument;
        calls.push_back(call);
    }
    void setFilesHidden(const std::filesystem::path& folder, const std::vector<std::string>& names,
                        bool hidden) override {
        setHiddenByMarker(folder, names, hidden);
        calls.push_back(std::string(hidden ? "hide " : "show ") + std::to_string(names.size()));
    }
    std::string shortDate(int year, int month, int day) override {
        return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
    }
    void endProgram() override {
        ended = true;
        calls.push_back("end");
    }
};

} // namespace tallowmere::testing
