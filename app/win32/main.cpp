// The Windows program: the main window on the Win32 runtime.
#include <windows.h>

#include "app/main_form.h"
#include "app/win32/win_runtime.h"
#include "assets/artwork.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    vclock::win32::WinRuntime runtime(instance);
    vclock::MainForm form(runtime, vclock::embeddedArtwork());
    runtime.dispatch([&] { form.start(); });
    return runtime.run();
}
