#include "app/ConfigVossik.h"

#include <utility>

#include "pages/CheckSomeIconShown.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "settings/SettingsPath.h"
#include "settings/StoredOptions.h"

namespace {

bool IsVersion51(SystemVersion version) {
    return version.Major == 5 && version.Minor == 1;
}

}  // namespace

TConfigVossik::TConfigVossik(System& system, ui::Application& application,
                             std::wstring settingsPath)
    : ui::Form("ConfigVossik"),
      IsWindowsXP(IsVersion51(system.Version())),
      Settings(std::move(settingsPath)),
      Icons(system, *this,
            {
                [this](const TrayItem& drive) { return Watcher.IsDriveShown(drive); },
                [this](const TrayItem&) { return Pages.PageRep.ActiverRep.Checked(); },
                [this](const TrayItem&) { return Pages.PageApp.ActiverExe.Checked(); },
                [this](const TrayItem&) { return Pages.PageEteindre.CBAfficherArreter.Checked(); },
            },
            IsWindowsXP),
      Pages(*this, Icons.Folders, Icons.Launches),
      Watcher(system, application, Icons, *this, Pages.PageUS, Pages.PageAPropos),
      BoiteExe(system),
      FolderEditing(system, Pages.PageRep, Icons, BoiteRepertoire),
      LaunchEditing(system, Pages.PageApp, Icons, BoiteExe),
      Reordering(Pages, Icons),
      Menu(system, application, *this, Pages, Icons,
           {
               [this](TrayGroup group, int position) { SelectConfigEntry(group, position); },
               [this] { Save(); },
               [this] { ReorganiserBtnClick(); },
               [this] { QuitterBtnClick(); },
           }),
      Shutdown(system, Pages.PageEteindre, Icons.ShutdownItem, Icons.Area(), *this,
               [this](const std::string& failureLeadIn) { return SaveUnasked(failureLeadIn); }),
      Tray(system, application, *this, Icons,
           {
               [this] { return Pages.PageAPropos.RBDoubleClick.Checked(); },
               [this](TrayGroup group) { return Pages.OpeningFor(group); },
               [this](IconPosition icon) { Menu.PopupFor(icon); },
               [this](TrayGroup group, int position) { SelectConfigEntry(group, position); },
               [this] { Menu.MCConfig.Click(); },
               [this] { Shutdown.PerformShutdown(); },
           }),
      system_(system),
      application_(application) {
    LayOut();
    WireEvents();
}

TConfigVossik::~TConfigVossik() {
    DestructionFiche();
}

void TConfigVossik::WireEvents() {
    OnShow = [this] { MontrerFiche(); };
    OnHide = [this] { CacherFiche(); };
    OnDeactivate = [this] { DesactiverFiche(); };
    OkBtn.OnClick = [this] { OkBtnClick(); };
    AppliquerBtn.OnClick = [this] { AppliquerBtnClick(); };
    QuitterBtn.OnClick = [this] { QuitterBtnClick(); };
    Pages.PageAPropos.ReorganiserBtn.OnClick = [this] { ReorganiserBtnClick(); };
    Pages.PageAPropos.VersionBtn.OnClick = [this] { VersionBtnClick(); };
    Pages.PageUS.LabelVossik1.OnClick = [this] { Menu.LabelVossik1Click(); };
    Menu.OnEteindre = [this](ui::MenuItem& item) {
        Shutdown.MenuContextEteindre(static_cast<ShutdownAction>(item.Tag));
    };
    OnPaint = [this](ui::Canvas& canvas) { PeindreFiche(canvas); };
    auto drawIcon = [this](ui::PaintBox& box, ui::Canvas& canvas) { AfficherIcone(box, canvas); };
    Pages.PageUS.Icone1.OnPaint = drawIcon;
    Pages.PageAPropos.Icone2.OnPaint = drawIcon;
    OnMessage = [this](const WindowMessage& message,
                       const DefaultProc& callDefault) -> std::optional<std::intptr_t> {
        switch (message.Msg) {
            case msg::TrayCallback:
                Tray.TrayMessage(message);
                return 0;
            case msg::TaskbarReadd:
                Tray.ReaddMessage(message);
                return 0;
            case msg::ScheduleCheck:
                Shutdown.CheckScheduleNow();
                return 0;
            case msg::CopyData:
                // The sender waits for the answer: the window shows once we are back in a loop.
                if (!system_.IsHandOver(message)) return std::nullopt;
                system_.PostMessage(Handle(), msg::StartedAgain, 0, 0);
                return 1;
            case msg::StartedAgain:
                ShowForLaterStart();
                return 0;
            case msg::IconSizeCheck:
                FollowIconSize();
                return 0;
            case msg::ReachCheck:
                ShowWhenUnreachable();
                return 0;
            case msg::DpiChanged:
                // Moved to a monitor of another scale: the window follows in the toolkit; the
                // icons' size is looked at from the loop.
                system_.PostMessage(Handle(), msg::IconSizeCheck, 0, 0);
                return std::nullopt;
            case msg::DeviceChange:
                Watcher.DeviceChange(message);
                return 0;
            case msg::UnitMaskError:
                Watcher.UnitMaskError();
                return 0;
            case msg::NcHitTest: {
                // The window can be dragged by its body, as by its title bar.
                constexpr std::intptr_t HtClient = 1, HtCaption = 2;
                std::intptr_t hit = callDefault();
                return hit == HtClient ? HtCaption : hit;
            }
            default:
                return std::nullopt;
        }
    };
}

SaveResult TConfigVossik::Save() {
    // In the application-data folder, the program's own folder is made at the first save.
    system_.CreateFolder(FolderOf(SettingsPath()));
    return SaveSettings(system_, Settings, application_.Title(),
                        StoredOptions(Pages, Watcher.Delay()), Icons);
}

bool TConfigVossik::SaveUnasked(const std::string& failureLeadIn) {
    system_.CreateFolder(FolderOf(SettingsPath()));
    return SaveSettings(system_, Settings, application_.Title(),
                        StoredOptions(Pages, Watcher.Delay()), Icons, false,
                        failureLeadIn) != SaveResult::Failed;
}

void TConfigVossik::MontrerFiche() {
    application_.ShowTaskbarButton();
}

void TConfigVossik::CacherFiche() {
    Shutdown.ApplyTimerRule();
    application_.HideTaskbarButton();
}

// The window hides once the options are in the file, or the user chose to keep the file.
void TConfigVossik::OkBtnClick() {
    Icons.RefreshTrayIcons();
    const SaveResult saved = Save();
    if (saved != SaveResult::Saved && saved != SaveResult::Kept) return;
    Shutdown.ApplyTimerRule();
    if (CheckSomeIconShown(system_, Icons)) Hide();
}

void TConfigVossik::AppliquerBtnClick() {
    Icons.RefreshTrayIcons();
    Save();
}

// A settings file that cannot be written keeps the program open unless the user says to end it
// all the same: nothing is lost behind the user's back, and the program can always be ended. A
// file the user chose to keep as it is ends the program too; a question that could not show
// beside another box keeps it open, and the box that waits its turn says why.
void TConfigVossik::QuitterBtnClick() {
    switch (Save()) {
        case SaveResult::Saved:
        case SaveResult::Kept:
            Close();
            return;
        case SaveResult::Unasked:
            return;
        case SaveResult::Failed:
            if (MessageWithBeep(system_,
                                "Les paramètres n'ont pas pu être enregistrés.\r\n"
                                "Quitter Vossik' sans les enregistrer ?",
                                MessageKind::Confirmation,
                                MessageButtons::YesNoDefaultNo) == mb::IdYes)
                Close();
            return;
    }
}

// As "/CONFIG" at start, over a menu that may be open.
void TConfigVossik::ShowForLaterStart() {
    Menu.MenuContext.Close();
    Show();
    application_.BringToFront();
}

// Only the look we posted: another program's message of that number is not ours to answer. A
// menu open for an icon that went closes first.
void TConfigVossik::ShowWhenUnreachable() {
    if (!std::exchange(reachCheckPosted_, false) || Showing() || Icons.Reachable()) return;
    Menu.MenuContext.Close();
    Show();
}

// At a new small-icon size: the icons, the menu's pictures and the lists' icons.
void TConfigVossik::FollowIconSize() {
    if (!Icons.FollowIconSize()) return;
    Menu.BuildMenuImages();
    Pages.PageRep.ListeRep.Invalidate();
    Pages.PageApp.ListeFich.Invalidate();
}

void TConfigVossik::ReorganiserBtnClick() {
    Icons.Reorganise();
}

void TConfigVossik::DesactiverFiche() {
    Shutdown.KeepConfirmationOnTop();
}
