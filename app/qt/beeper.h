#pragma once

namespace vclock::qt {

// The alarm's beep. The X bell is silent on many desktops, so the desktop's
// own event sound is played through libcanberra where that library is
// installed; otherwise, or when it cannot play, the bell rings. A machine
// without a sound card or server leaves no trace on standard error: the
// clock keeps no log, so the sound library's complaints are not passed on.
class Beeper {
public:
    Beeper();
    ~Beeper();
    Beeper(const Beeper&) = delete;
    Beeper& operator=(const Beeper&) = delete;

    void beep();

private:
    void* library_ = nullptr;
    void* alsa_ = nullptr;  // held while its error handler is ours
    void* context_ = nullptr;
    int (*play_)(void*, unsigned, ...) = nullptr;
    int (*destroy_)(void*) = nullptr;
};

}  // namespace vclock::qt
