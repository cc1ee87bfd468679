#include "settings/ProfileLine.h"

ProfileLine ParseProfileLine(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    if (first == text.size()) return {};

    if (text[first] == '[') {
        std::size_t close = text.rfind(']');
        if (close != std::string_view::npos) {
            return {ProfileLine::Kind::Section,
                    TrimBlanks(text.substr(first + 1, close - first - 1)), 0};
        }
    }
    if (text[first] == ';') return {};  // a comment, whatever it holds

    std::size_t equals = text.find('=', first);
    if (equals == std::string_view::npos) return {};
    std::size_t valueStart = equals + 1;
    while (valueStart < text.size() && IsBlank(text[valueStart])) ++valueStart;
    return {ProfileLine::Kind::Key, TrimBlanks(text.substr(first, equals - first)), valueStart};
}
