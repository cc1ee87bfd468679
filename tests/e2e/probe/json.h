// A small streaming JSON writer: every probe command prints exactly one document.
#pragma once

#include <string>

std::string utf8(const std::wstring& text);

class Json {
public:
    Json& begin_object();
    Json& end_object();
    Json& begin_array();
    Json& end_array();
    Json& key(const char* name);

    Json& value(const std::wstring& text);
    Json& value(const char* ascii);
    Json& value(long long number);
    Json& value(unsigned long number) { return value(static_cast<long long>(number)); }
    Json& value(long number) { return value(static_cast<long long>(number)); }
    Json& value(int number) { return value(static_cast<long long>(number)); }
    Json& value(unsigned number) { return value(static_cast<long long>(number)); }
    Json& value(bool flag);
    Json& null();

    const std::string& text() const { return out_; }

private:
    void separate();
    void open(char bracket);
    void close(char bracket);

    std::string out_;
    bool needs_comma_ = false;
};
