#pragma once

#include <string>
#include <vector>

struct BenchKey {
    std::string section;
    std::string key;
};

// A settings file with every option and the two lists at the given lengths, in the layout
// the program writes (Nombre, then Rep<n>, Rac<n>, Opt<n> for each entry), and its keys.
struct BenchSettings {
    std::string content;
    std::vector<BenchKey> keys;
};

BenchSettings MakeBenchSettings(int folders, int launches);
