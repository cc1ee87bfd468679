#include "app/ConfigVossik.h"

namespace {

// A selection counts only on a non-empty list whose group is switched on.
bool SelectionCounts(const ui::ListBox& list, const ui::CheckBox& groupOn) {
    return list.Count() > 0 && list.ItemIndex() >= 0 && groupOn.Checked();
}

}  // namespace

void TConfigVossik::ListeRepClick() {
    FoldersPage& page = PageRep;
    bool counts = SelectionCounts(page.ListeRep, page.ActiverRep);
    page.EnleverRepBtn.SetEnabled(counts);
    page.ModifierRepBtn.SetEnabled(counts);
    int line = page.ListeRep.ItemIndex();
    bool known = counts && line < static_cast<int>(Folders.size());
    page.NomRep.SetCaption(known ? Folders[line]->Name : std::string());
    page.ListeRep.SetHint(counts ? page.ListeRep.Items()[line] : std::string());
}

void TConfigVossik::ListeFichClick() {
    LaunchPage& page = PageApp;
    bool counts = SelectionCounts(page.ListeFich, page.ActiverExe);
    page.EnleverExeBtn.SetEnabled(counts);
    page.ModifierExeBtn.SetEnabled(counts);
    page.ListeFich.SetHint(counts ? page.ListeFich.Items()[page.ListeFich.ItemIndex()]
                                  : std::string());
}
