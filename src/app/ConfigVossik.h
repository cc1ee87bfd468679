#pragma once

#include <optional>
#include <string>

#include "drives/DriveWatcher.h"
#include "listediting/BoiteExe.h"
#include "listediting/BoiteRepertoire.h"
#include "listediting/FolderList.h"
#include "listediting/LaunchList.h"
#include "listediting/ListReordering.h"
#include "menu/ContextMenu.h"
#include "pages/Pages.h"
#include "platform/System.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
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
    // `settingsPath`: the settings file, wherever it lives (see SettingsPath).
    TConfigVossik(System& system, ui::Application& application, std::wstring settingsPath);
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

    // The program was started again and handed us its command line: the window shows.
    void ShowForLaterStart();

    // The configuration page and line of an icon.
    void SelectConfigEntry(TrayGroup group, int position);
    void VersionBtnClick();

    const std::wstring& SettingsPath() const { return Settings.Path(); }

    const bool IsWindowsXP;
    SettingsFile Settings;
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
    // The last icon went, whatever took it: the window shows, as at a start without icons.
    void ShowWhenUnreachable();
    // The settings file, written from the options.
    SaveResult Save();
    // A save nobody waits for (the shutdowns'): a file changed behind the program's back stays as
    // it is, without a question; false when the file could not be written, after one box whose
    // text begins with `failureLeadIn`.
    bool SaveUnasked(const std::string& failureLeadIn);

    System& system_;
    ui::Application& application_;
    bool startsInTray_ = false;
    bool destroyed_ = false;
    // One look at the icons waits in the queue at a time.
    bool reachCheckPosted_ = false;
};
