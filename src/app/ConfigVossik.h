#pragma once

#include <optional>
#include <string>

#include "config/BoiteExe.h"
#include "config/BoiteRepertoire.h"
#include "config/FolderList.h"
#include "config/LaunchList.h"
#include "config/ListReordering.h"
#include "config/Pages.h"
#include "drives/DriveWatcher.h"
#include "menu/ContextMenu.h"
#include "platform/System.h"
#include "shutdown/ShutdownControl.h"
#include "tray/TrayEvents.h"
#include "tray/TrayIconSet.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Form.h"

// The configuration window, and at the same time the hidden controller of every tray icon: it
// holds the pages and buttons, receives the tray callback message, and owns one object per
// feature, handing each what it needs of the others.
class TConfigVossik : public ui::Form {
public:
    TConfigVossik(System& system, ui::Application& application);
    ~TConfigVossik() override;

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
    void ReorganiserBtnClick();
    void DesactiverFiche();
    void PeindreFiche(ui::Canvas& canvas);
    void AfficherIcone(ui::PaintBox& sender, ui::Canvas& canvas);

    // The application window hook: the taskbar's restarts, changes of the clock, sleep, scale.
    void HookApplicationWindow();
    void UnhookApplicationWindow();
    std::optional<std::intptr_t> ApplicationWindowProc(const WindowMessage& message);

    // The configuration page and line of an icon.
    void SelectConfigEntry(TrayGroup group, int position);
    void VersionBtnClick();

    const std::wstring& SettingsPath() const { return settingsPath_; }

    const bool IsWindowsXP;
    TrayIconSet Icons;
    ConfigPages Pages;
    ui::Button OkBtn{this, "OkBtn"};
    ui::Button AppliquerBtn{this, "AppliquerBtn"};
    ui::Button QuitterBtn{this, "QuitterBtn"};
    DriveWatcher Watcher;
    // The dialogs' windows are made when they first show.
    TBoiteRepertoire BoiteRepertoire;
    TBoiteExe BoiteExe;
    FolderList FolderEditing;
    LaunchList LaunchEditing;
    ListReordering Reordering;
    ContextMenu Menu;
    ShutdownControl Shutdown;
    TrayEvents Tray;

private:
    void LayOut();
    void WireEvents();
    void DecideStart();
    void FollowIconSize();
    // The settings file, written from the options; false after its error box.
    bool Save();

    System& system_;
    ui::Application& application_;
    const std::wstring settingsPath_;
    bool startsInTray_ = false;
    bool destroyed_ = false;
};
