#pragma once

#include "model/SilentPlatform.h"

#include <string>
#include <vector>

namespace tallowmere {

// The desktop of a replay: nothing is shown or started; questions are
// answered Yes, and the other messages but notices are kept, since any of
// them means the card did not go through.
class ReplayPlatform : public SilentPlatform {
  public:
    MessageAnswer showMessage(const Message& message) override;
    std::string shortDate(int year, int month, int day) override;

    const std::vector<std::string>& messages() const { return messages_; }

  private:
    std::vector<std::string> messages_;
};

} // namespace tallowmere
