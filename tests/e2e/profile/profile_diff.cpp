// Reads generated files with our profile reader and with the system's profile functions,
// then saves with our writer and reads the result back through the system, and prints what
// differs as JSON. Run it under Wine or Windows from a scratch folder: it writes its files
// into profile_diff_files beside the current directory.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "profile_cases.h"
#include "profile_json.h"
#include "settings/ProfileFile.h"

namespace {

const std::string kFolder = ".\\profile_diff_files\\";
const std::string kMissing = "<missing>";
const std::string kNotLoaded = "<not loaded>";
constexpr int kIntegerDefault = 12345;

struct Difference {
    std::string file;
    std::string section;
    std::string key;
    std::string ours;
    std::string system;
};

void SaveFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string SystemString(const std::string& path, const ProfileQuery& query) {
    std::vector<char> buffer(2048);
    GetPrivateProfileStringA(query.section.c_str(), query.key.c_str(), kMissing.c_str(),
                             buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}

int SystemInteger(const std::string& path, const ProfileQuery& query) {
    return static_cast<int>(GetPrivateProfileIntA(query.section.c_str(), query.key.c_str(),
                                                  kIntegerDefault, path.c_str()));
}

bool AllOf(const std::string& text, std::size_t from, const char* digits) {
    return text.size() > from && text.find_first_not_of(digits, from) == std::string::npos;
}

// Texts both integer rules read alike: nothing, short decimals, and short "0x" hexadecimals.
// The system also takes "0X", "$", "+", "0b", "0o" and trailing text its own way.
bool IntegerRulesAgree(const std::string& text) {
    if (text.empty() || text == kMissing) return true;
    std::size_t sign = text[0] == '-' ? 1 : 0;
    if (AllOf(text, sign, "0123456789")) return text.size() - sign <= 9;
    return text.starts_with("0x") && AllOf(text, 2, "0123456789abcdefABCDEF") && text.size() <= 10;
}

void PrintDifferences(const char* name, const std::vector<Difference>& list, bool last = false) {
    std::printf("  \"%s\": [", name);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Difference& d = list[i];
        std::printf(
            "%s\n    {\"file\": %s, \"section\": %s, \"key\": %s, \"ours\": %s, "
            "\"system\": %s}",
            i ? "," : "", JsonText(d.file).c_str(), JsonText(d.section).c_str(),
            JsonText(d.key).c_str(), JsonText(d.ours).c_str(), JsonText(d.system).c_str());
    }
    std::printf("%s]%s\n", list.empty() ? "" : "\n  ", last ? "" : ",");
}

// The same save through our writer and through the system's, both read by the system; ours
// keeps the file's byte-order mark.
void CompareSaves(const std::string& name, const std::string& original,
                  std::vector<Difference>& writeBack, std::vector<Difference>& writers) {
    std::string oursPath = kFolder + name + "_ours.ini";
    std::string systemPath = kFolder + name + "_system.ini";
    ProfileFile saved(original);
    SaveFile(systemPath, original);
    std::vector<ProfileQuery> checked = TemplateQueries();
    for (const ProfileWrite& w : WriteSeries()) {
        saved.WriteString(w.section, w.key, w.value);
        WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(),
                                   systemPath.c_str());
        checked.push_back({w.section, w.key});
    }
    const std::string content = saved.Content();
    SaveFile(oursPath, content);
    if (content.compare(0, 2, original, 0, 2) != 0)
        writers.push_back({name, "", "<mark>", content.substr(0, 2), original.substr(0, 2)});
    for (const ProfileWrite& w : WriteSeries()) {
        std::string system = SystemString(oursPath, {w.section, w.key});
        if (system != w.value)
            writeBack.push_back({name + "_ours", w.section, w.key, w.value, system});
    }
    for (const ProfileQuery& q : checked) {
        std::string ours = SystemString(oursPath, q);
        std::string system = SystemString(systemPath, q);
        if (ours != system) writers.push_back({name, q.section, q.key, ours, system});
    }
}

}  // namespace

int main() {
    CreateDirectoryA(kFolder.c_str(), nullptr);
    std::vector<Difference> strings, integers, integerRules, writeBack, writers;
    std::size_t reads = 0;

    for (const ProfileCase& c : MakeReadCases()) {
        std::string path = kFolder + c.name + ".ini";
        SaveFile(path, c.content);
        ProfileFile ours(c.content);
        for (const ProfileQuery& q : c.queries) {
            ++reads;
            std::string text = ours.ReadString(q.section, q.key, kMissing).value_or(kNotLoaded);
            std::string system = SystemString(path, q);
            if (text != system) strings.push_back({c.name, q.section, q.key, text, system});
            int number = ours.ReadInteger(q.section, q.key, kIntegerDefault);
            int systemNumber = SystemInteger(path, q);
            if (number == systemNumber) continue;
            auto& list = IntegerRulesAgree(text) ? integers : integerRules;
            list.push_back({c.name, q.section, q.key + " = " + text, std::to_string(number),
                            std::to_string(systemNumber)});
        }
    }

    CompareSaves("save", WriteTemplate(), writeBack, writers);
    // The template with every line ended by CR alone, as an old Mac editor saves it.
    std::string crOnly = WriteTemplate();
    for (std::size_t at; (at = crOnly.find("\r\n")) != std::string::npos;) crOnly.erase(at + 1, 1);
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    CompareSaves("save_cr_only", crOnly, writeBack, writers);
    for (FileEncoding encoding :
         {FileEncoding::Utf8Marked, FileEncoding::Utf16Le, FileEncoding::Utf16Be})
        CompareSaves(std::string("save_") + EncodingName(encoding),
                     Encoded(FromCp1252(WriteTemplate()), encoding), writeBack, writers);

    std::printf("{\n  \"code_page\": %u,\n  \"reads\": %zu,\n", GetACP(), reads);
    PrintDifferences("string_differences", strings);
    PrintDifferences("integer_differences", integers);
    PrintDifferences("integer_rule_differences", integerRules);
    PrintDifferences("write_back_differences", writeBack);
    PrintDifferences("writer_differences", writers, true);
    std::printf("}\n");
    return 0;
}
