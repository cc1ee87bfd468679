#include "listediting/LaunchList.h"

#include "listediting/EntryEditing.h"
#include "settings/ItemLists.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"
#include "types/Cp1252.h"

LaunchList::LaunchList(System& system, LaunchPage& page, TrayIconSet& icons, TBoiteExe& dialog)
    : system_(system), page_(page), icons_(icons), dialog_(dialog) {
    page.AjouterExeBtn.OnClick = [this] { AjouterExeBtnClick(); };
    page.ModifierExeBtn.OnClick = [this] { ModifierExeBtnClick(); };
    page.EnleverExeBtn.OnClick = [this] { EnleverExeBtnClick(); };
    page.ListeFich.OnDblClick = [this] { ListeFichDblClick(); };
}

void LaunchList::ListeFichDblClick() {
    if (page_.ListeFich.ItemIndex() >= 0) ModifierExeBtnClick();
}

void LaunchList::TakeFields(TrayItem& item) const {
    item.Path = dialog_.LigneCommande.Caption();
    item.Name = dialog_.Nom.Caption();
    item.Options = dialog_.OptionsExe.Caption();
}

void LaunchList::AjouterExeBtnClick() {
    if (!HasRoom(system_, icons_.Launches, iconid::LaunchCapacity,
                 "La liste des lancements rapides est pleine : elle en compte " +
                     std::to_string(iconid::LaunchCapacity) + ", le plus qu'elle puisse tenir."))
        return;
    dialog_.Nom.SetCaption("");
    dialog_.LigneCommande.SetCaption("");
    dialog_.OptionsExe.SetCaption("");
    if (dialog_.ShowModal() != ui::ModalResult::Ok) return;
    auto item = std::make_unique<TrayItem>();
    item->Kind = TrayItemKind::Launch;
    TakeFields(*item);
    std::string label = item->Name;
    SharedIcon icon = label.empty()
                          ? GetDisplayNameAndIcon(system_, icons_.Pictures, item->Path, label, true)
                          : GetSmallIcon(system_, icons_.Pictures, Widen(item->Path));
    std::string line = ListText(label, *item);
    AppendEntry(icons_, icons_.Launches, page_.ListeFich, std::move(item), line, label,
                std::move(icon));
    page_.ListeFichClick();
}

// Every confirmed change refreshes the icon, changed fields or not.
void LaunchList::ModifierExeBtnClick() {
    int k = page_.ListeFich.ItemIndex();
    if (k < 0 || k >= static_cast<int>(icons_.Launches.size())) return;
    TrayItem& item = *icons_.Launches[k];
    dialog_.Nom.SetCaption(item.Name);
    dialog_.LigneCommande.SetCaption(item.Path);
    dialog_.OptionsExe.SetCaption(item.Options);
    if (dialog_.ShowModal() != ui::ModalResult::Ok) return;
    TakeFields(item);
    std::string displayName;
    SharedIcon icon = GetDisplayNameAndIcon(system_, icons_.Pictures, item.Path, displayName, true,
                                            PictureRead::Afresh);
    std::string label = item.Name.empty() ? displayName : item.Name;
    icons_.ChangeEntry(icons_.Launches, k, std::move(icon), label, label != item.Tip());
    page_.ListeFich.SetItem(k, ListText(label, item));
    page_.ListeFich.SetItemIndex(k);
    page_.ListeFichClick();
}

void LaunchList::EnleverExeBtnClick() {
    RemoveSelectedEntry(icons_, icons_.Launches, page_.ListeFich);
    page_.ListeFichClick();
}
