#include "pages/EntryLists.h"

namespace {

// A selection counts only on a non-empty list whose group is switched on.
bool SelectionCounts(const ui::ListBox& list, const ui::CheckBox& groupOn) {
    return list.Count() > 0 && list.ItemIndex() >= 0 && groupOn.Checked();
}

}  // namespace

void FoldersPage::ListeRepClick() {
    bool counts = SelectionCounts(ListeRep, ActiverRep);
    EnleverRepBtn.SetEnabled(counts);
    ModifierRepBtn.SetEnabled(counts);
    int line = ListeRep.ItemIndex();
    bool known = counts && line < static_cast<int>(folders_.size());
    NomRep.SetCaption(known ? folders_[line]->Name : std::string());
    ListeRep.SetHint(counts ? ListeRep.Items()[line] : std::string());
}

void LaunchPage::ListeFichClick() {
    bool counts = SelectionCounts(ListeFich, ActiverExe);
    EnleverExeBtn.SetEnabled(counts);
    ModifierExeBtn.SetEnabled(counts);
    ListeFich.SetHint(counts ? ListeFich.Items()[ListeFich.ItemIndex()] : std::string());
}

void DessineIconeListe(ui::ListBox& control, ui::Canvas& canvas, int index, const ui::Rect& rect,
                       const TrayItemList& entries) {
    canvas.FillWithCurrentBrush(rect);
    // The icon at its own size, the small icons' of the scale, which the line's height leaves
    // room for at every scale; the text after a square as high as the line.
    const int lineHeight = rect.Bottom - rect.Top;
    if (index >= 0 && index < static_cast<int>(entries.size())) {
        if (IconHandle icon = entries[index]->Icon.Get())
            canvas.DrawIcon(rect.Left + 2, rect.Top + 1, icon, 0, 0);
    }
    // Centred on the line: 3 pixels down for the window's font on an 18-pixel line.
    canvas.TextOut(rect.Left + lineHeight + 2, rect.Top + (canvas.FontHeight() + lineHeight) / 2,
                   control.Items()[index]);
}

void WireEntryList(ui::ListBox& list, const TrayItemList& entries, const ui::Handler& onSelect) {
    list.OnClick = onSelect;
    list.OnExit = onSelect;
    list.OnDrawItem = [&entries](ui::ListBox& control, ui::Canvas& canvas, int index,
                                 const ui::Rect& rect, ui::DrawItemState) {
        DessineIconeListe(control, canvas, index, rect, entries);
    };
}
