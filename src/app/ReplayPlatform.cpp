#include "app/ReplayPlatform.h"

#include <cstdio>

namespace tallowmere {

// A question is answered Yes, as a user who wants the card archived would;
// neither it nor a notice stops the card.
MessageAnswer ReplayPlatform::showMessage(const Message& message) {
    if (message.buttons == MessageButtons::YesNo)
        return MessageAnswer::Yes;
    if (message.notice)
        return MessageAnswer::Ok;
    std::string text = message.text;
    for (char& c : text)
        if (c == '\n')
            c = ' ';
    messages_.push_back(std::move(text));
    return MessageAnswer::Ok;
}

// The batch front end's form, so a replay writes the same files on every desktop.
std::string ReplayPlatform::shortDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

} // namespace tallowmere
