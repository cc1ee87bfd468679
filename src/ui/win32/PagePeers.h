#pragma once

#include "ui/Containers.h"
#include "ui/win32/WindowPeer.h"

namespace ui::win32 {

// A tab control with one tab per page; the pages are windows of ours inside its display area,
// only the active one shown.
class PageControlPeer : public WindowPeer {
public:
    PageControlPeer(Win32Backend& backend, PageControl& pages);
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    void ApplyFont() override;

    RECT DisplayArea() const;
    void InsertTab(int index, const std::string& caption);
    void SetTabText(int index, const std::string& caption);
    void RemoveTab(int index);
    void ShowActivePage();
    // Ctrl+Tab and Ctrl+Shift+Tab anywhere inside a page switch pages, as in the system's
    // property sheets. True when the key was used.
    static bool HandlePageKeys(const MSG& message);

protected:
    void DoSync(Property what) override;

private:
    void LayOutPages();
    void FitTabsInOneRow();
    void SelectTab();
    void Cycle(bool backwards);

    PageControl& pages_;
};

class PagePeer : public WindowPeer {
public:
    PagePeer(Win32Backend& backend, Page& page);
    ~PagePeer() override;

protected:
    void DoSync(Property what) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    RECT Placement() const override;
    bool ShownAtCreation() const override;

private:
    int Index() const;
    // The peer of the page control a page always sits in.
    PageControlPeer* Tabs() const;
};

}  // namespace ui::win32
