#include "settings/SettingsPath.h"

#include "types/Cp1252.h"

std::wstring SettingsPath(const std::wstring& executablePath, const std::string& title) {
    std::size_t separator = executablePath.find_last_of(L"\\/");
    std::wstring folder =
        separator == std::wstring::npos ? std::wstring() : executablePath.substr(0, separator + 1);
    return folder + Widen(title) + L".ini";
}
