#pragma once

#include "app/runtime.h"

namespace vclock {

// The information message that points a new user to the readme file. It is
// shown at every activation of the main window until answered with OK;
// the answer is kept in the settings store. It does not decide when it runs.
class FirstRunMessage {
public:
    explicit FirstRunMessage(Runtime& runtime) : runtime_(runtime) {}

    // Shows the message while it has never been acknowledged; otherwise
    // marks it as seen again.
    void showfreeinfo();

private:
    Runtime& runtime_;
};

}  // namespace vclock
