#include "ui/win32/PagePeers.h"

#include "ui/win32/Dpi.h"
#include "ui/win32/Focus.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/WindowClasses.h"

namespace ui::win32 {

namespace {

// The system's padding around a tab's caption, kept while the row has room for it.
constexpr int DefaultTabPadding = 6;
constexpr int VerticalTabPadding = 3;
// Room the control keeps beside the row: the selected tab grows by this on each side.
constexpr int SelectedTabGrowth = 2;
// A tab is never narrower than this many average characters, padding apart.
constexpr int MinimumTabChars = 6;

// Every tab gets the same margins, from the padding: the blanks some captions carry around
// them would widen their tabs and leave less padding for the others.
std::wstring TabText(const std::string& caption) {
    size_t first = caption.find_first_not_of(' ');
    if (first == std::string::npos) return L"";
    return Widen(caption.substr(first, caption.find_last_not_of(' ') - first + 1));
}

}  // namespace

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
    FitTabsInOneRow();
    WindowPeer::ApplyFont();
    LayOutPages();
}

// The pages' captions nearly fill one row of tabs in the classic dialog font; a wider face, or
// rounding at another dpi, would push the last ones behind scroll arrows. So the padding shrinks
// until the row fits. The control takes it on its next insertion, caption, font or size change,
// which is why this runs before each of them.
void PageControlPeer::FitTabsInOneRow() {
    HWND hwnd = Window();
    if (!hwnd) return;
    HDC dc = GetDC(hwnd);
    HGDIOBJ previous = SelectObject(dc, FontHandle());
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    int narrowest = metrics.tmAveCharWidth * MinimumTabChars;
    int text = 0, count = 0;
    for (const Control* page : pages_.Children()) {
        std::wstring caption = TabText(page->Caption());
        SIZE size = {};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        text += size.cx > narrowest ? size.cx : narrowest;
        ++count;
    }
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);

    // The width the control is given, which it may not have yet.
    RECT place = Placement();
    int padding = Scale(DefaultTabPadding);
    if (count > 0) {
        int spare = place.right - place.left - 2 * Scale(SelectedTabGrowth) - text;
        int fitting = spare / (2 * count);
        if (fitting < padding) padding = fitting > 1 ? fitting : 1;
    }
    TabCtrl_SetPadding(hwnd, padding, Scale(VerticalTabPadding));
}

RECT PageControlPeer::DisplayArea() const {
    RECT area;
    GetClientRect(Window(), &area);
    TabCtrl_AdjustRect(Window(), FALSE, &area);
    return area;
}

void PageControlPeer::InsertTab(int index, const std::string& caption) {
    FitTabsInOneRow();
    std::wstring text = TabText(caption);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Window(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    SelectTab();
    // The first tab gives the display area its final top edge.
    LayOutPages();
}

void PageControlPeer::SetTabText(int index, const std::string& caption) {
    FitTabsInOneRow();
    std::wstring text = TabText(caption);
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
            FitTabsInOneRow();
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
        WindowPeer* peer = FromWindow(hwnd);
        if (peer && peer->Model().Kind() == ControlKind::PageControl) {
            static_cast<PageControlPeer*>(peer)->Cycle(GetKeyState(VK_SHIFT) < 0);
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
    return static_cast<PageControlPeer*>(Of(Model().Parent()));
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
