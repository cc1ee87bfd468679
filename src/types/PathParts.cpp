#include "types/PathParts.h"

namespace {

std::string::size_type NameStart(const std::string& path) {
    std::string::size_type separator = path.find_last_of("\\:");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string FolderPart(const std::string& path) {
    return path.substr(0, NameStart(path));
}

std::string NamePart(const std::string& path) {
    return path.substr(NameStart(path));
}
