#pragma once

#include <string>
#include <vector>

struct ProfileQuery {
    std::string section;
    std::string key;
};

// One generated file and the keys to read from it.
struct ProfileCase {
    std::string name;
    std::string content;
    std::vector<ProfileQuery> queries;
};

struct ProfileWrite {
    std::string section;
    std::string key;
    std::string value;
};

// Files that exercise every reading rule, each with the keys that show it.
std::vector<ProfileCase> MakeReadCases();

// The encodings editors save in besides Windows-1252: UTF-8 without and with its byte-order
// mark, UTF-16 little-endian and big-endian with theirs.
enum class FileEncoding { Utf8, Utf8Marked, Utf16Le, Utf16Be };
const char* EncodingName(FileEncoding encoding);
std::string Encoded(const std::wstring& text, FileEncoding encoding);
std::wstring FromCp1252(const std::string& text);

// A hand-edited settings file and a save's worth of writes into it.
std::string WriteTemplate();
std::vector<ProfileWrite> WriteSeries();
// The template's own keys, which a save must leave readable as they were.
std::vector<ProfileQuery> TemplateQueries();
