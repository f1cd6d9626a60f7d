#include "app/qt/beeper.h"

#include <dlfcn.h>

#include <QApplication>

namespace vclock::qt {
namespace {

// ALSA's error handler: every message dropped.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// libcanberra plays through ALSA, which writes each failure to open a
// device to standard error: eight lines for every sound on a machine
// without one. ALSA's messages go to a process-wide handler, set here on
// the same library libcanberra loads.
void* silenceAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa) return nullptr;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    auto setHandler = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (!setHandler || setHandler(ignoreAlsaError) != 0) {
        dlclose(alsa);
        return nullptr;
    }
    return alsa;
}

}  // namespace

Beeper::Beeper() {
    // Loaded at run time so the clock also runs where libcanberra is not installed.
    library_ = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (!library_) return;
    alsa_ = silenceAlsa();
    auto create = reinterpret_cast<int (*)(void**)>(dlsym(library_, "ca_context_create"));
    play_ = reinterpret_cast<int (*)(void*, unsigned, ...)>(dlsym(library_, "ca_context_play"));
    destroy_ = reinterpret_cast<int (*)(void*)>(dlsym(library_, "ca_context_destroy"));
    if (!create || !play_ || !destroy_ || create(&context_) != 0) context_ = nullptr;
}

Beeper::~Beeper() {
    if (context_) destroy_(context_);
    if (library_) dlclose(library_);
    if (alsa_) dlclose(alsa_);
}

void Beeper::beep() {
    // ca_context_play returns at once; the sound plays in the background.
    if (context_ && play_(context_, 0, "event.id", "alarm-clock-elapsed", "event.description", "Alarm",
                          static_cast<const char*>(nullptr)) == 0) {
        return;
    }
    if (context_ && play_(context_, 0, "event.id", "bell", static_cast<const char*>(nullptr)) == 0) return;
    QApplication::beep();
}

}  // namespace vclock::qt
