#include "ui/win32/PagePeers.h"

#include "ui/win32/Focus.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/WindowClasses.h"

namespace ui::win32 {

PageControlPeer::PageControlPeer(Win32Backend& backend, PageControl& pages)
    : WindowPeer(backend, pages), pages_(pages) {
    // A control parent, so that Tab goes on into the active page.
    CreateControlWindow(WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

std::optional<LRESULT> PageControlPeer::OnNotify(const NMHDR& header) {
    if (header.code != TCN_SELCHANGE) return std::nullopt;
    int index = TabCtrl_GetCurSel(Window());
    if (!Syncing() && index >= 0 && index < static_cast<int>(pages_.Children().size()))
        pages_.SetActivePage(*static_cast<Page*>(pages_.Children()[index]));
    SelectTab();
    return 0;
}

// Wine's tab control leaves a pressed state on the tab that TCM_SETCURFOCUS switched away from,
// and then swallows the next click on another tab: only the selected tab may keep it.
void PageControlPeer::SelectTab() {
    HWND hwnd = Window();
    int selected = pages_.ActivePageIndex();
    TabCtrl_SetCurSel(hwnd, selected);
    int count = TabCtrl_GetItemCount(hwnd);
    for (int i = 0; i < count; ++i) {
        if (i == selected) continue;
        TCITEMW item = {};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_BUTTONPRESSED;
        SendMessageW(hwnd, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void PageControlPeer::ApplyFont() {
    WindowPeer::ApplyFont();
    LayOutPages();
}

RECT PageControlPeer::DisplayArea() const {
    RECT area;
    GetClientRect(Window(), &area);
    TabCtrl_AdjustRect(Window(), FALSE, &area);
    return area;
}

void PageControlPeer::InsertTab(int index, const std::string& caption) {
    std::wstring text = Widen(caption);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Window(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    SelectTab();
    // The first tab gives the display area its final top edge.
    LayOutPages();
}

void PageControlPeer::SetTabText(int index, const std::string& caption) {
    std::wstring text = Widen(caption);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Window(), TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void PageControlPeer::RemoveTab(int index) {
    TabCtrl_DeleteItem(Window(), index);
}

void PageControlPeer::LayOutPages() {
    RECT area = DisplayArea();
    for (Control* page : pages_.Children()) {
        if (WindowPeer* peer = Of(page))
            MoveWindow(peer->Window(), area.left, area.top, area.right - area.left,
                       area.bottom - area.top, TRUE);
    }
}

void PageControlPeer::ShowActivePage() {
    HWND active = nullptr;
    const auto& children = pages_.Children();
    for (int i = 0; i < static_cast<int>(children.size()); ++i) {
        WindowPeer* peer = Of(children[i]);
        if (!peer) continue;
        bool shown = i == pages_.ActivePageIndex() && children[i]->Visible();
        if (shown) active = peer->Window();
        ShowWindow(peer->Window(), shown ? SW_SHOWNA : SW_HIDE);
    }
    // The focus must not stay in a page that is no longer shown.
    HWND focus = GetFocus();
    if (focus && IsChild(Window(), focus) && !IsWindowVisible(focus)) {
        HWND first = active ? FirstTabStop(active) : nullptr;
        SetFocus(first ? first : Window());
    }
}

void PageControlPeer::DoSync(Property what) {
    switch (what) {
        case Property::ActivePage:
            SelectTab();
            ShowActivePage();
            break;
        case Property::Bounds:
            Place();
            LayOutPages();
            break;
        default:
            WindowPeer::DoSync(what);
            break;
    }
}

void PageControlPeer::Cycle(bool backwards) {
    int count = static_cast<int>(pages_.Children().size());
    if (count < 2) return;
    int next = (pages_.ActivePageIndex() + (backwards ? count - 1 : 1)) % count;
    pages_.SetActivePage(*static_cast<Page*>(pages_.Children()[next]));
}

bool PageControlPeer::HandlePageKeys(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) >= 0) return false;
    for (HWND hwnd = message.hwnd; hwnd; hwnd = GetParent(hwnd)) {
        if (auto* tabs = dynamic_cast<PageControlPeer*>(FromWindow(hwnd))) {
            tabs->Cycle(GetKeyState(VK_SHIFT) < 0);
            return true;
        }
        if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

PagePeer::PagePeer(Win32Backend& backend, Page& page) : WindowPeer(backend, page) {
    PageControlPeer* tabs = Tabs();
    if (!tabs || !tabs->Window()) return;
    tabs->InsertTab(Index(), page.Caption());
    CreateControlWindow(PageClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

PagePeer::~PagePeer() {
    PageControlPeer* tabs = Tabs();
    if (Window() && tabs && tabs->Window()) tabs->RemoveTab(Index());
}

PageControlPeer* PagePeer::Tabs() const {
    return dynamic_cast<PageControlPeer*>(Of(Model().Parent()));
}

int PagePeer::Index() const {
    const auto& siblings = Model().Parent()->Children();
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i] == &Model()) return static_cast<int>(i);
    }
    return -1;
}

RECT PagePeer::Placement() const {
    return Tabs()->DisplayArea();
}

bool PagePeer::ShownAtCreation() const {
    auto* pages = static_cast<PageControl*>(Model().Parent());
    return Model().Visible() && pages->ActivePageIndex() == Index();
}

void PagePeer::DoSync(Property what) {
    switch (what) {
        case Property::Caption:
            if (PageControlPeer* tabs = Tabs()) tabs->SetTabText(Index(), Model().Caption());
            WindowPeer::DoSync(what);
            break;
        case Property::Visible:
            if (PageControlPeer* tabs = Tabs()) tabs->ShowActivePage();
            break;
        case Property::Bounds:
            break;  // a page fills its tab control's display area
        default:
            WindowPeer::DoSync(what);
            break;
    }
}

LRESULT PagePeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto routed = RouteFromChild(message, wParam, lParam)) return *routed;
    switch (message) {
        case WM_ERASEBKGND:
            return FillBackground(reinterpret_cast<HDC>(wParam));
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(FontHandle());
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace ui::win32
