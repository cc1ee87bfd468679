#include "app/ConfigVossik.h"
#include "tray/Opening.h"

namespace {

// The product's page. The domain is reserved for examples: it can never lead users to a
// stranger's site.
constexpr const char* ProductPage = "http://vossik.example.org/";

}  // namespace

// A line is not chosen behind an open dialog: the dialog edits the line it started on.
void TConfigVossik::SelectConfigEntry(TrayGroup group, int position) {
    switch (group) {
        case TrayGroup::GroupDrive:
            Pages.Onglets.SetActivePage(Pages.PageUS);
            break;
        case TrayGroup::GroupFolder:
            Pages.Onglets.SetActivePage(Pages.PageRep);
            if (BoiteRepertoire.Showing()) break;
            Pages.PageRep.ListeRep.SetItemIndex(position);
            Pages.PageRep.ListeRepClick();
            break;
        case TrayGroup::GroupLaunch:
            Pages.Onglets.SetActivePage(Pages.PageApp);
            if (BoiteExe.Showing()) break;
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
