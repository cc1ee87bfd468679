#include "listediting/FolderList.h"

#include <algorithm>

#include "listediting/EntryEditing.h"
#include "listediting/StorablePath.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"
#include "types/Cp1252.h"
#include "types/PathParts.h"

FolderList::FolderList(System& system, FoldersPage& page, TrayIconSet& icons,
                       TBoiteRepertoire& picker)
    : system_(system), page_(page), icons_(icons), picker_(picker) {
    page.AjouterRepBtn.OnClick = [this] { AjouterRepBtnClick(); };
    page.ModifierRepBtn.OnClick = [this] { ModifierRepBtnClick(); };
    page.EnleverRepBtn.OnClick = [this] { EnleverRepBtnClick(); };
    page.ListeRep.OnDblClick = [this] { ListeRepDblClick(); };
}

void FolderList::ListeRepDblClick() {
    if (page_.ListeRep.ItemIndex() >= 0) ModifierRepBtnClick();
}

std::optional<std::string> FolderList::ChooseFolder(int excludedLine) {
    if (picker_.ShowModal() != ui::ModalResult::Ok) return std::nullopt;
    std::wstring chosen = picker_.ChosenFolder();
    if (chosen.empty() || !ConfirmStorablePath(system_, chosen)) return std::nullopt;
    std::string path = Narrow(chosen);
    if (!ConfirmDuplicate(system_, page_.ListeRep, path, "dossier", excludedLine))
        return std::nullopt;
    if (!ConfirmNotDriveRoot(path)) return std::nullopt;
    return path;
}

// A drive has its own icon on the drives page; a folder icon for it is allowed, on request.
bool FolderList::ConfirmNotDriveRoot(const std::string& path) {
    bool isRoot = std::any_of(icons_.Drives.begin(), icons_.Drives.end(),
                              [&path](const auto& drive) { return drive->Path == path; });
    return !isRoot || Confirm(system_,
                              "Vous avez sélectionné la racine du lecteur.\r\n"
                              "Vous pouvez afficher un lecteur par l'onglet 'Lecteurs'\r\n\n"
                              "Voulez-vous continuer quand même ?");
}

void FolderList::AjouterRepBtnClick() {
    if (!HasRoom(system_, icons_.Folders, iconid::FolderCapacity,
                 "La liste des dossiers est pleine : elle en compte " +
                     std::to_string(iconid::FolderCapacity) + ", le plus qu'elle puisse tenir."))
        return;
    std::optional<std::string> path = ChooseFolder(-1);
    if (!path) return;
    auto item = std::make_unique<TrayItem>();
    item->Kind = TrayItemKind::Folder;
    item->Path = *path;
    item->Name = picker_.Raccourci.Caption();
    std::string displayName;
    SharedIcon icon = GetDisplayNameAndIcon(system_, icons_.Pictures, *path, displayName, true);
    std::string tip = item->Name.empty() ? displayName : item->Name;
    page_.NomRep.SetCaption(item->Name);
    AppendEntry(icons_, icons_.Folders, page_.ListeRep, std::move(item), *path, tip,
                std::move(icon));
    page_.ListeRepClick();
}

void FolderList::ModifierRepBtnClick() {
    int k = page_.ListeRep.ItemIndex();
    if (k < 0 || k >= static_cast<int>(icons_.Folders.size())) return;
    TrayItem& item = *icons_.Folders[k];
    picker_.Raccourci.SetCaption(item.Name);
    std::optional<std::string> path = ChooseFolder(k);
    if (!path) return;
    const std::string& name = picker_.Raccourci.Caption();
    if (*path == page_.ListeRep.Items()[k] && name == item.Name) return;

    page_.ListeRep.SetItem(k, *path);
    item.Name = name;
    page_.NomRep.SetCaption(name);
    item.Path = *path;
    std::string tip = name.empty() ? NamePart(*path) : name;
    icons_.ChangeEntry(icons_.Folders, k,
                       GetSmallIcon(system_, icons_.Pictures, Widen(*path), PictureRead::Afresh),
                       tip, tip != item.Tip());
    page_.ListeRep.SetItemIndex(k);
}

void FolderList::EnleverRepBtnClick() {
    RemoveSelectedEntry(icons_, icons_.Folders, page_.ListeRep);
    page_.NomRep.SetCaption("");
    page_.ListeRepClick();
}
