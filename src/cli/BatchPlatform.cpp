#include "cli/BatchPlatform.h"

#include "app/HiddenFiles.h"

#include <cstdio>

namespace tallowmere::cli {

void BatchPlatform::showTextFile(const std::filesystem::path& file) {
    out_ << "VIEW " << file.string() << "\n";
}

// The batch front end neither prints nor edits: it names the file as it does
// for a view.
void BatchPlatform::printTextFile(const std::filesystem::path& file) {
    showTextFile(file);
}

void BatchPlatform::editTextFile(const std::filesystem::path& file, EditedFile) {
    showTextFile(file);
}

void BatchPlatform::openUrl(const std::string& address) {
    out_ << "OPEN " << address << "\n";
}

MessageAnswer BatchPlatform::showMessage(const Message& message) {
    std::string text;
    for (char c : message.text)
        text += c == '\n' ? std::string("\\n") : std::string(1, c);
    out_ << "MESSAGE " << message.title << ": " << text << "\n";
    if (message.buttons == MessageButtons::YesNo)
        return answerNo_ ? MessageAnswer::No : MessageAnswer::Yes;
    return MessageAnswer::Ok;
}

void BatchPlatform::startProgram(const std::filesystem::path& program,
                                 const std::vector<std::string>& arguments) {
    out_ << "RUN " << program.string();
    for (const auto& argument : arguments)
        out_ << " " << argument;
    out_ << "\n";
}

void BatchPlatform::setFilesHidden(const std::filesystem::path& folder,
                                   const std::vector<std::string>& names, bool hidden) {
    setHiddenByMarker(folder, names, hidden);
}

std::string BatchPlatform::shortDate(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

} // namespace tallowmere::cli
