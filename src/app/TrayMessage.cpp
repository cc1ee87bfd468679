#include "app/ConfigVossik.h"
#include "config/BoiteExe.h"
#include "config/BoiteRepertoire.h"
#include "platform/MessageBox.h"
#include "tray/Opening.h"
#include "tray/TrayIcon.h"

namespace {

// The product's page. The domain is reserved for examples: it can never lead users to a
// stranger's site.
constexpr const char* ProductPage = "http://vossik.example.org/";

}  // namespace

void TConfigVossik::TrayMessage(const WindowMessage& message) {
    // A press handled inside the shell's call would open a menu, and run the drive updates
    // waiting in the queue, halfway through moving the icons: it waits for the loop instead.
    if (InShellCall()) {
        system_.PostMessage(Handle(), message.Msg, message.WParam, message.LParam);
        return;
    }
    IconPosition icon = DecodeIconId(static_cast<std::uint32_t>(message.WParam));
    const bool singleClick = Pages.PageAPropos.RBSimpleClick.Checked();
    const bool doubleClick = Pages.PageAPropos.RBDoubleClick.Checked();
    switch (message.LParam) {
        case msg::LButtonDown:
            if (singleClick) OpenItem(icon);
            break;
        case msg::LButtonDblClk:
            if (doubleClick) OpenItem(icon);
            break;
        case msg::RButtonDown:
            if (!Showing()) Menu.PopupFor(icon);
            break;
        case msg::RButtonDblClk:
            if (Showing()) {
                SelectConfigEntry(icon.Group, icon.Position);
                application_.BringToFront();
                application_.ProcessMessages();
            } else {
                Menu.MCConfig.Click();
            }
            break;
        default:
            break;
    }
}

void TConfigVossik::OpenItem(IconPosition icon) {
    TrayItem* item = Icons.ItemAt(icon);
    if (!item) {
        // A message still queued for an icon that was just removed: nothing to open.
        ShowHandlerError(system_, application_.Title(),
                         "Indice de liste hors limites (" + std::to_string(icon.Position) + ")");
        return;
    }
    switch (icon.Group) {
        case TrayGroup::GroupDrive:
            OpenInExplorer(system_, item->Path, Pages.PageUS.RBExplorerUS.Checked(),
                           Pages.PageUS.CBRacineUS.Checked());
            break;
        case TrayGroup::GroupFolder:
            OpenInExplorer(system_, item->Path, Pages.PageRep.RBExplorerREp.Checked(),
                           Pages.PageRep.CBRacineRep.Checked());
            break;
        case TrayGroup::GroupLaunch:
            ShellOpen(system_, Handle(), item->Path, item->Options);
            break;
        case TrayGroup::GroupShutdown:
            Shutdown.PerformShutdown();
            break;
        default:
            break;
    }
}

void TConfigVossik::SelectConfigEntry(TrayGroup group, int position) {
    switch (group) {
        case TrayGroup::GroupDrive:
            Pages.Onglets.SetActivePage(Pages.PageUS);
            break;
        case TrayGroup::GroupFolder:
            Pages.Onglets.SetActivePage(Pages.PageRep);
            if (dialogs_.BoiteRepertoire && dialogs_.BoiteRepertoire->Showing()) break;
            Pages.PageRep.ListeRep.SetItemIndex(position);
            Pages.PageRep.ListeRepClick();
            break;
        case TrayGroup::GroupLaunch:
            Pages.Onglets.SetActivePage(Pages.PageApp);
            if (dialogs_.BoiteExe && dialogs_.BoiteExe->Showing()) break;
            Pages.PageApp.ListeFich.SetItemIndex(position);
            Pages.PageApp.ListeFichClick();
            break;
        case TrayGroup::GroupShutdown:
            Pages.Onglets.SetActivePage(Pages.PageEteindre);
            break;
        default:
            break;
    }
}

void TConfigVossik::VersionBtnClick() {
    ShellOpen(system_, Handle(), ProductPage, "");
}
