#include "listediting/ListReordering.h"

namespace {
constexpr unsigned KeyUp = 0x26;    // VK_UP
constexpr unsigned KeyDown = 0x28;  // VK_DOWN
}  // namespace

ListReordering::ListReordering(ConfigPages& pages, TrayIconSet& icons)
    : pages_(pages), icons_(icons) {
    ContextHautBas.OnPopup = [this] { ContextHautBasPopup(); };
    MCPlusHaut.OnClick = [this] { MCPlusHautClick(); };
    MCPlusBas.OnClick = [this] { MCPlusBasClick(); };
    auto keys = [this](unsigned key, bool ctrl) { return EchangePlaceIcone(key, ctrl); };
    for (ui::ListBox* list : {&pages.PageRep.ListeRep, &pages.PageApp.ListeFich}) {
        list->ContextMenu = &ContextHautBas;
        list->OnKeyDown = keys;
    }
}

void ListReordering::ContextHautBasPopup() {
    const ui::Page* shown = pages_.Onglets.ActivePage();
    target_ = shown == &pages_.PageRep   ? &pages_.PageRep.ListeRep
              : shown == &pages_.PageApp ? &pages_.PageApp.ListeFich
                                         : nullptr;
    int count = target_ ? target_->Count() : 0;
    int selected = target_ ? target_->ItemIndex() : -1;
    MCPlusHaut.Enabled = count > 1 && selected > 0;
    MCPlusBas.Enabled = count > 1 && selected >= 0 && selected < count - 1;
}

void ListReordering::MCPlusHautClick() {
    MoveSelected(MCPlusHaut, -1);
}

void ListReordering::MCPlusBasClick() {
    MoveSelected(MCPlusBas, +1);
}

// The selection is read again: anything may have changed it while the menu was open.
void ListReordering::MoveSelected(const ui::MenuItem& command, int step) {
    if (!command.Enabled || !target_) return;
    const bool folders = target_ == &pages_.PageRep.ListeRep;
    TrayItemList& list = folders ? icons_.Folders : icons_.Launches;
    const int a = target_->ItemIndex();
    const int b = a + step;
    const int count = std::min(target_->Count(), static_cast<int>(list.size()));
    if (a < 0 || a >= count || b < 0 || b >= count) return;
    TrayChange change = icons_.Change();
    icons_.SwapItems(list, std::min(a, b), std::max(a, b));
    std::string line = target_->Items()[a];
    target_->SetItem(a, target_->Items()[b]);
    target_->SetItem(b, line);
    target_->SetItemIndex(b);
    if (folders) {
        pages_.PageRep.ListeRepClick();
    } else {
        pages_.PageApp.ListeFichClick();
    }
    target_->Invalidate();
}

bool ListReordering::EchangePlaceIcone(unsigned key, bool ctrl) {
    if (!ctrl || (key != KeyUp && key != KeyDown)) return false;
    ContextHautBasPopup();
    if (key == KeyUp) {
        MCPlusHautClick();
    } else {
        MCPlusBasClick();
    }
    return true;
}
