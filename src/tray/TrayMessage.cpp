#include "app/ConfigVossik.h"
#include "config/BoiteExe.h"
#include "config/BoiteRepertoire.h"
#include "tray/MessageBox.h"
#include "tray/Opening.h"

namespace {

// The product's page. The domain is reserved for examples: it can never lead users to a
// stranger's site.
constexpr const char* ProductPage = "http://vossik.example.org/";

}  // namespace

void TConfigVossik::TrayMessage(const WindowMessage& message) {
    IconPosition icon = DecodeIconId(static_cast<std::uint32_t>(message.WParam));
    const bool singleClick = PageAPropos.RBSimpleClick.Checked();
    const bool doubleClick = PageAPropos.RBDoubleClick.Checked();
    switch (message.LParam) {
        case msg::LButtonDown:
            if (singleClick) OpenItem(icon);
            break;
        case msg::LButtonDblClk:
            if (doubleClick) OpenItem(icon);
            break;
        case msg::RButtonDown: {
            if (Showing()) break;
            MenuContext.Tag = static_cast<int>(icon.Group);
            MenuContext.HelpContext = icon.Position;
            // The menu only closes on a click elsewhere when our window is in the foreground.
            application_.ProcessMessages();
            application_.BringToFront();
            application_.ProcessMessages();
            ui::Point cursor;
            system_.CursorPos(cursor.X, cursor.Y);
            MenuContext.Popup(cursor);
            system_.SendMessage(Handle(), msg::Null, 0, 0);
            break;
        }
        case msg::RButtonDblClk:
            if (Showing()) {
                SelectConfigEntry(icon.Group, icon.Position);
                application_.BringToFront();
                application_.ProcessMessages();
            } else {
                MCConfig.Click();
            }
            break;
        default:
            break;
    }
}

TrayItem* TConfigVossik::ItemAt(TrayItemList& list, int position) {
    if (position >= 0 && position < static_cast<int>(list.size())) return list[position].get();
    // A message still queued for an icon that was just removed: nothing to open.
    ShowHandlerError(system_, application_.Title(),
                     "Indice de liste hors limites (" + std::to_string(position) + ")");
    return nullptr;
}

void TConfigVossik::OpenItem(IconPosition icon) {
    switch (icon.Group) {
        case TrayGroup::GroupDrive:
            if (TrayItem* drive = ItemAt(Drives, icon.Position))
                OpenInExplorer(system_, drive->Path, PageUS.RBExplorerUS.Checked(),
                               PageUS.CBRacineUS.Checked());
            break;
        case TrayGroup::GroupFolder:
            if (TrayItem* folder = ItemAt(Folders, icon.Position))
                OpenInExplorer(system_, folder->Path, PageRep.RBExplorerREp.Checked(),
                               PageRep.CBRacineRep.Checked());
            break;
        case TrayGroup::GroupLaunch:
            if (TrayItem* launch = ItemAt(Launches, icon.Position))
                ShellOpen(system_, Handle(), launch->Path, launch->Options);
            break;
        default:
            break;
    }
}

void TConfigVossik::SelectConfigEntry(TrayGroup group, int position) {
    switch (group) {
        case TrayGroup::GroupDrive:
            Onglets.SetActivePage(PageUS);
            break;
        case TrayGroup::GroupFolder:
            Onglets.SetActivePage(PageRep);
            if (dialogs_.BoiteRepertoire && dialogs_.BoiteRepertoire->Showing()) break;
            PageRep.ListeRep.SetItemIndex(position);
            ListeRepClick();
            break;
        case TrayGroup::GroupLaunch:
            Onglets.SetActivePage(PageApp);
            if (dialogs_.BoiteExe && dialogs_.BoiteExe->Showing()) break;
            PageApp.ListeFich.SetItemIndex(position);
            ListeFichClick();
            break;
        case TrayGroup::GroupShutdown:
            Onglets.SetActivePage(PageEteindre);
            break;
        default:
            break;
    }
}

void TConfigVossik::VersionBtnClick() {
    ShellOpen(system_, Handle(), ProductPage, "");
}
