#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageAnswer { Ok, Yes, No };
// The files the user keeps by hand, which the program's editor opens: each
// has lines the program must be able to read.
enum class EditedFile { Archive, TrackList, ResultsChart };

struct Message {
    std::string title;
    std::string text; // "\n" breaks a line
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 1; // counted from 1, in the order of the buttons
    // Tells the user something about a command that went through all the same.
    bool notice = false;
};

// What the program asks of the desktop. The window front end does it for real;
// the batch front end prints it; tests record it.
class Platform {
  public:
    virtual ~Platform() = default;

    // Shows a text file (a view, a report) read-only, without waiting.
    virtual void showTextFile(const std::filesystem::path& file) = 0;
    // Shows a report ready to print: the viewer with the print dialog open.
    virtual void printTextFile(const std::filesystem::path& file) = 0;
    // Opens a file the user keeps by hand in the program's editor.
    virtual void editTextFile(const std::filesystem::path& file, EditedFile kind) = 0;
    virtual void openUrl(const std::string& address) = 0;
    virtual MessageAnswer showMessage(const Message& message) = 0;
    virtual void beep() = 0;
    // Starts a program with its arguments (never through a shell).
    virtual void startProgram(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments) = 0;
    // Hides the named files of a folder from the file managers, or shows them.
    virtual void setFilesHidden(const std::filesystem::path& folder,
                                const std::vector<std::string>& names, bool hidden) = 0;
    // The desktop's short form of a date.
    virtual std::string shortDate(int year, int month, int day) = 0;
    // Ends the program once the running command returns.
    virtual void endProgram() = 0;
};

} // namespace tallowmere
