#include "listediting/EntryEditing.h"

#include <algorithm>

#include "platform/MessageBox.h"
#include "types/Cp1252.h"

bool HasRoom(System& system, const TrayItemList& list, std::size_t limit,
             const std::string& fullText) {
    if (list.size() < limit) return true;
    MessageWithBeep(system, fullText, MessageKind::Warning);
    return false;
}

void AppendEntry(TrayIconSet& icons, TrayItemList& list, ui::ListBox& lines,
                 std::unique_ptr<TrayItem> item, const std::string& line, const std::string& tip,
                 SharedIcon icon) {
    icons.Append(list, std::move(item), tip, std::move(icon));
    lines.AddItem(line);
    lines.SetItemIndex(lines.Count() - 1);
}

void RemoveSelectedEntry(TrayIconSet& icons, TrayItemList& list, ui::ListBox& lines) {
    int k = lines.ItemIndex();
    if (lines.Count() == 0 || k < 0) return;
    TrayChange change = icons.Change();
    icons.RemoveItem(list, k);
    lines.DeleteItem(k);
    lines.SetItemIndex(-1);
}

bool Confirm(System& system, const std::string& question) {
    return MessageWithBeep(system, question, MessageKind::Confirmation, MessageButtons::YesNo) ==
           mb::IdYes;
}

bool ConfirmDuplicate(System& system, const ui::ListBox& lines, const std::string& path,
                      const std::string& kindWord, int excluded) {
    const std::vector<std::string>& items = lines.Items();
    const std::string wanted = LowerCase(path);
    auto found = std::find_if(items.begin(), items.end(),
                              [&](const std::string& line) { return LowerCase(line) == wanted; });
    if (found == items.end() || found - items.begin() == excluded) return true;
    return Confirm(system, "Ce " + kindWord + " existe déjà dans la liste.\r\n\n" +
                               "Voulez-vous continuer quand même ?");
}
