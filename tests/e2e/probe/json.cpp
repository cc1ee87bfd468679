#include "json.h"

#include <cstdio>

#include "win32.h"

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

void Json::separate() {
    if (needs_comma_) out_ += ',';
    needs_comma_ = false;
}

void Json::open(char bracket) {
    separate();
    out_ += bracket;
}

void Json::close(char bracket) {
    out_ += bracket;
    needs_comma_ = true;
}

Json& Json::begin_object() {
    open('{');
    return *this;
}

Json& Json::end_object() {
    close('}');
    return *this;
}

Json& Json::begin_array() {
    open('[');
    return *this;
}

Json& Json::end_array() {
    close(']');
    return *this;
}

Json& Json::key(const char* name) {
    value(name);
    out_ += ':';
    needs_comma_ = false;
    return *this;
}

Json& Json::value(const std::wstring& text) {
    return value(utf8(text).c_str());
}

Json& Json::value(const char* ascii) {
    separate();
    out_ += '"';
    for (const char* p = ascii; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ += escaped;
                } else {
                    out_ += static_cast<char>(c);
                }
        }
    }
    out_ += '"';
    needs_comma_ = true;
    return *this;
}

Json& Json::value(long long number) {
    separate();
    out_ += std::to_string(number);
    needs_comma_ = true;
    return *this;
}

Json& Json::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    needs_comma_ = true;
    return *this;
}

Json& Json::null() {
    separate();
    out_ += "null";
    needs_comma_ = true;
    return *this;
}
