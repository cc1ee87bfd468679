#include "profile_json.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr std::size_t kShownEnd = 24;

std::string ToUtf8(const std::string& text) {
    if (text.empty()) return {};
    int wide = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring utf16(wide, L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), utf16.data(), wide);
    int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::string Escape(const std::string& text) {
    std::string escaped;
    for (char c : ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(c));
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::string JsonText(const std::string& text) {
    std::string json = "\"";
    if (text.size() <= 3 * kShownEnd) {
        json += Escape(text);
    } else {
        json += Escape(text.substr(0, kShownEnd));
        json += "...(" + std::to_string(text.size()) + " chars)...";
        json += Escape(text.substr(text.size() - kShownEnd));
    }
    return json + "\"";
}
