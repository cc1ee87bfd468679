#include "controls.h"

#include "remote_memory.h"
#include "win32.h"
#include "window_util.h"

std::vector<std::wstring> tab_captions(HWND tab) {
    constexpr size_t kTextOffset = sizeof(TCITEMW);
    constexpr int kTextChars = 256;
    RemoteMemory remote(tab, kTextOffset + kTextChars * sizeof(wchar_t));
    std::vector<std::wstring> captions;
    LRESULT count = send_message(tab, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = static_cast<LPWSTR>(remote.at(kTextOffset));
        item.cchTextMax = kTextChars;
        remote.write(0, &item, sizeof item);
        wchar_t text[kTextChars] = {};
        remote.write(kTextOffset, text, sizeof text);
        send_message(tab, TCM_GETITEMW, i, remote.param());
        // The control may point pszText at its own copy instead of filling our buffer.
        remote.read(0, &item, sizeof item);
        if (item.pszText == remote.at(kTextOffset)) {
            remote.read(kTextOffset, text, sizeof text);
        } else if (item.pszText) {
            RemoteMemory::read_foreign(tab, item.pszText, text, sizeof text - sizeof(wchar_t));
        }
        text[kTextChars - 1] = 0;
        captions.emplace_back(text);
    }
    return captions;
}
