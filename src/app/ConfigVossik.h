#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "config/Pages.h"
#include "platform/System.h"
#include "types/IconId.h"
#include "types/TrayItem.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Containers.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

class ProfileFile;
class TBoiteConfirmation;
class TBoiteExe;
class TBoiteRepertoire;

using TrayItemList = std::vector<std::unique_ptr<TrayItem>>;

// The configuration window, and at the same time the hidden controller of every tray icon:
// it owns the icon lists and receives the tray callback message.
class TConfigVossik : public ui::Form {
public:
    TConfigVossik(System& system, ui::Application& application);
    ~TConfigVossik() override;

    // The dialogs made after the main form; absent while the main form is being created.
    struct Dialogs {
        TBoiteRepertoire* BoiteRepertoire = nullptr;
        TBoiteExe* BoiteExe = nullptr;
        TBoiteConfirmation* BoiteConfirmation = nullptr;
    };
    void AttachDialogs(Dialogs dialogs) { dialogs_ = dialogs; }

    // Creation and teardown.
    void CreationFiche();
    void DestructionFiche();
    bool StartsInTray() const { return startsInTray_; }

    // The form's events.
    void MontrerFiche();
    void CacherFiche();
    void OkBtnClick();
    void AppliquerBtnClick();
    void QuitterBtnClick();
    void DesactiverFiche();
    void PeindreFiche(ui::Canvas& canvas);
    void AfficherIcone(ui::PaintBox& sender, ui::Canvas& canvas);
    void DessineIconeListe(ui::ListBox& control, ui::Canvas& canvas, int index,
                           const ui::Rect& rect, ui::DrawItemState state);

    // The application window hook that brings the icons back after the taskbar restarts.
    void HookApplicationWindow();
    void UnhookApplicationWindow();
    std::optional<std::intptr_t> ApplicationWindowProc(const WindowMessage& message);

    void BuildMenuImages();

    // The settings file.
    std::string SettingsPath() const;
    void LoadSettings();
    // False, after the error box, when the file could not be written.
    bool SaveSettings();
    std::string ReadStoredShortcutName(const std::string& section, int entry);

    // Drives.
    void EnumerateDrives();
    bool IsDriveShown(const TrayItem& drive) const;
    bool IsCdIconKept(const TrayItem& drive) const;

    // Icon sets.
    void BuildShutdownItem();
    void RefreshTrayIcons();
    void RemoveAllTrayIcons();
    void ReorganiserBtnClick();
    bool CheckSomeIconShown();

    // Tray mouse messages and opening items.
    void TrayMessage(const WindowMessage& message);
    void SelectConfigEntry(TrayGroup group, int position);
    void VersionBtnClick();
    void MCConfigClick();

    // Enabling rules of the check boxes that others depend on.
    void ActiverUSClick();
    void ActiverRepClick();
    void ActiverExeClick();
    void CBEteindreAutoClick();
    void CBAfficherArreterClick();
    void ActiverMAJClick();

    // Selection updates of the two lists.
    void ListeRepClick();
    void ListeFichClick();

    ui::PageControl Onglets{this, "Onglets"};
    DrivesPage PageUS{Onglets};
    FoldersPage PageRep{Onglets};
    LaunchPage PageApp{Onglets};
    ShutdownPage PageEteindre{Onglets};
    AboutPage PageAPropos{Onglets};
    ui::Button OkBtn{this, "OkBtn"};
    ui::Button AppliquerBtn{this, "AppliquerBtn"};
    ui::Button QuitterBtn{this, "QuitterBtn"};

    ui::Timer EteindreTimer;
    ui::ImageList ImageList;
    ui::PopupMenu MenuContext{"MenuContext"};
    ui::MenuItem MCRedemarrerWin{&MenuContext.Root(), "MCRedemarrerWin", "Redémarrer &Windows"};
    ui::MenuItem MCConfig{&MenuContext.Root(), "MCConfig", "&Configurer ..."};

    TrayItemList Drives;
    TrayItemList Folders;
    TrayItemList Launches;
    TrayItem ShutdownItem;
    bool IsWindowsXP = false;
    unsigned TaskbarCreatedMessage = 0;
    int RefreshRetries = 0;
    std::uint32_t DriveMask = 0;    // bit i: the letter 'A' + i is known
    unsigned RefreshDelay = 10000;  // milliseconds between a drive notification and its handling

private:
    void LayOut();
    void WireEvents();
    void ApplyTimerRule();
    void DecideStart();
    using WantedRule = std::function<bool(const TrayItem&)>;
    void RefreshListIcons(TrayItemList& list, const WantedRule& wanted);
    void RefreshShutdownIcon();
    void RemoveListIcons(TrayItemList& list);
    void FreeItemList(TrayItemList& list);
    void LoadItemList(const ProfileFile& file, const char* section, ui::ListBox& lines,
                      TrayItemKind kind, std::uint32_t idBase, TrayItemList& list);
    void OpenItem(IconPosition icon);
    // The entry at a position, or null after the stop box for a position past the list's end.
    TrayItem* ItemAt(TrayItemList& list, int position);

    System& system_;
    ui::Application& application_;
    Dialogs dialogs_;
    bool startsInTray_ = false;
    bool destroyed_ = false;
};
