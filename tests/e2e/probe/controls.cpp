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

std::vector<Tool> tooltip_tools(HWND tooltip) {
    constexpr int kTipChars = 1024;  // comctl32 copies up to INFOTIPSIZE characters
    constexpr size_t kTextOffset = sizeof(TTTOOLINFOW);
    RemoteMemory remote(tooltip, kTextOffset + kTipChars * sizeof(wchar_t));
    std::vector<Tool> tools;
    LRESULT count = send_message(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TTTOOLINFOW info = {};
        info.cbSize = sizeof info;
        remote.write(0, &info, sizeof info);
        if (!send_message(tooltip, TTM_ENUMTOOLSW, i, remote.param())) continue;
        remote.read(0, &info, sizeof info);

        static const wchar_t kEmpty[kTipChars] = {};
        remote.write(kTextOffset, kEmpty, sizeof kEmpty);
        TTTOOLINFOW query = info;
        query.lpszText = static_cast<LPWSTR>(remote.at(kTextOffset));
        remote.write(0, &query, sizeof query);
        send_message(tooltip, TTM_GETTEXTW, kTipChars, remote.param());
        std::wstring text(kTipChars, L'\0');
        remote.read(kTextOffset, text.data(), (kTipChars - 1) * sizeof(wchar_t));
        text.resize(text.find(L'\0'));
        info.lpszText = nullptr;
        tools.push_back({info, text});
    }
    return tools;
}

std::map<HWND, std::wstring> control_hints(HWND form) {
    std::map<HWND, std::wstring> hints;
    for (HWND hwnd : top_level_windows()) {
        if (GetWindow(hwnd, GW_OWNER) != form) continue;
        if (_wcsicmp(class_name(hwnd).c_str(), TOOLTIPS_CLASSW) != 0) continue;
        for (const Tool& tool : tooltip_tools(hwnd)) {
            if (tool.info.uFlags & TTF_IDISHWND)
                hints[reinterpret_cast<HWND>(tool.info.uId)] = tool.text;
        }
    }
    return hints;
}
