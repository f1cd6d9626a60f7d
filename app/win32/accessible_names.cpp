#include "app/win32/accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

#include "app/win32/win_text.h"

namespace vclock::win32::accessible_names {
namespace {

// The annotation service, started with COM on the first use and kept for
// the rest of the program; null where it cannot be had.
IAccPropServices* service() {
    static IAccPropServices* const services = [] {
        IAccPropServices* s = nullptr;
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(com) && com != RPC_E_CHANGED_MODE) return s;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                    reinterpret_cast<void**>(&s)))) {
            s = nullptr;
        }
        return s;
    }();
    return services;
}

void annotate(HWND hwnd, MSAAPROPID property, const std::string& text) {
    IAccPropServices* s = service();
    if (!s || !hwnd) return;
    // A refusal leaves the window with the name Windows gives it.
    (void)s->SetHwndPropStr(hwnd, OBJID_CLIENT, CHILDID_SELF, property, toWide(text).c_str());
}

}  // namespace

void name(HWND hwnd, const std::string& text) {
    if (!text.empty()) annotate(hwnd, PROPID_ACC_NAME, text);
}

void describe(HWND hwnd, const std::string& text) { annotate(hwnd, PROPID_ACC_DESCRIPTION, text); }

void forget(HWND hwnd) {
    IAccPropServices* s = service();
    if (!s || !hwnd) return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    (void)s->ClearHwndProps(hwnd, OBJID_CLIENT, CHILDID_SELF, properties, 2);
}

}  // namespace vclock::win32::accessible_names
