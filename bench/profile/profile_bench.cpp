// Times reading every key of a full settings file (900 folders, 9000 quick-launch entries, and
// twice that) with our reader against the system's GetPrivateProfileStringA, and a save's
// worth of writes with our writer. Reports figures only.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_settings.h"
#include "settings/ProfileFile.h"

namespace {

double Milliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Run(int scale) {
    BenchSettings settings = MakeBenchSettings(900 * scale, 9000 * scale);
    std::string path = std::string(".\\profile_bench_") + std::to_string(scale) + "x.ini";
    std::ofstream(path, std::ios::binary) << settings.content;

    double start = Milliseconds();
    ProfileFile ours(ReadWholeFile(path));
    std::vector<std::string> ourValues;
    ourValues.reserve(settings.keys.size());
    for (const BenchKey& k : settings.keys)
        ourValues.push_back(ours.ReadString(k.section, k.key, "").value_or(""));
    double oursRead = Milliseconds() - start;

    start = Milliseconds();
    std::vector<char> buffer(2048);
    std::size_t mismatches = 0;
    for (std::size_t i = 0; i < settings.keys.size(); ++i) {
        const BenchKey& k = settings.keys[i];
        GetPrivateProfileStringA(k.section.c_str(), k.key.c_str(), "", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
        mismatches += ourValues[i] != buffer.data();
    }
    double systemRead = Milliseconds() - start;

    start = Milliseconds();
    ProfileFile saved(settings.content);
    for (std::size_t i = 0; i < settings.keys.size(); ++i) {
        saved.WriteString(settings.keys[i].section, settings.keys[i].key, ourValues[i] + "x");
    }
    std::size_t written = saved.Content().size();
    double oursWrite = Milliseconds() - start;

    // The ratio is ours to the system's, as every ratio of the figures is.
    std::printf(
        "%dx: %zu keys, %zu bytes: ours %.1f ms, system %.1f ms, ratio 1/%.0f; "
        "ours writing every key %.1f ms (%zu bytes); %zu values differ\n",
        scale, settings.keys.size(), settings.content.size(), oursRead, systemRead,
        systemRead / oursRead, oursWrite, written, mismatches);
    std::fflush(stdout);
}

}  // namespace

int main() {
    Run(1);
    Run(2);
    return 0;
}
