#include "menu/ItemContextMenu.h"

#include "types/Cp1252.h"
#include "types/PathParts.h"

namespace {

// The shell's rename, which needs its caller to edit the name in place.
constexpr unsigned RenameCommand = 19;

bool IsPattern(const std::string& path) {
    return NamePart(path).find_first_of("*?") != std::string::npos;
}

}  // namespace

ItemMenuResult ShowItemContextMenu(System& system, const std::string& path, WindowHandle owner,
                                   int x, int y) {
    const std::unique_ptr<ShellItemMenu> menu =
        IsPattern(path)
            ? system.ItemsMenu(Widen(FolderPart(path)), system.MatchingNames(Widen(path)), owner)
            : system.ItemMenu(Widen(path), owner);
    if (!menu) return {};
    const unsigned chosen = menu->Track(x, y);
    if (chosen == RenameCommand) return {true, true};
    if (chosen == 0) return {true, false};
    return {menu->Invoke(chosen), false};
}
