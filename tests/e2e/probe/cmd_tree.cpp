// Commands that act on a form's fields the way a user does: typing into the field after a label,
// choosing a folder in a tree view.

#include "commands.h"
#include "remote_memory.h"
#include "win32.h"
#include "window_util.h"

namespace {

class TreeReader {
public:
    explicit TreeReader(HWND tree) : tree_(tree), remote_(tree, kTextOffset + sizeof text_) {}

    std::wstring text(HTREEITEM item) {
        TVITEMW query = {};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = static_cast<LPWSTR>(remote_.at(kTextOffset));
        query.cchTextMax = kTextChars;
        remote_.write(0, &query, sizeof query);
        text_[0] = 0;
        remote_.write(kTextOffset, text_, sizeof text_);
        send_message(tree_, TVM_GETITEMW, 0, remote_.param());
        remote_.read(kTextOffset, text_, sizeof text_);
        text_[kTextChars - 1] = 0;
        return text_;
    }

    HTREEITEM next(HTREEITEM item, UINT how) {
        return reinterpret_cast<HTREEITEM>(
            send_message(tree_, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }

    // The item's text, in the tree's client area.
    RECT rect(HTREEITEM item) {
        // The message takes the item in the rectangle's place.
        RECT rect = {};
        remote_.write(0, &rect, sizeof rect);
        remote_.write(0, &item, sizeof item);
        send_message(tree_, TVM_GETITEMRECT, TRUE, remote_.param());
        remote_.read(0, &rect, sizeof rect);
        return rect;
    }

    // Texts of the items from `first` on, at its level.
    void put_level(Json& out, HTREEITEM first) {
        out.begin_array();
        for (HTREEITEM item = first; item; item = next(item, TVGN_NEXT)) out.value(text(item));
        out.end_array();
    }

private:
    static constexpr size_t kTextOffset = sizeof(TVITEMW);
    static constexpr int kTextChars = MAX_PATH;
    HWND tree_;
    RemoteMemory remote_;
    wchar_t text_[kTextChars] = {};
};

}  // namespace

// Presses the keys of the text into the field, replacing what it held: the field's own limits
// apply, as when typing.
void cmd_type_text(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    HWND label = find_descendant(top, args[1]);
    HWND field = GetWindow(label, GW_HWNDNEXT);
    if (!field) fail(L"nothing follows \"" + args[1] + L"\"");
    send_message(field, EM_SETSEL, 0, -1);
    send_message(field, WM_CHAR, VK_BACK, 0);
    for (wchar_t c : args.size() > 2 ? args[2] : std::wstring()) send_message(field, WM_CHAR, c, 0);
    out.begin_object();
    put_hwnd(out, "hwnd", field);
    out.key("text").value(window_text(field));
    out.end_object();
}

// Opens the items named from the root down, as a click on their buttons does, and selects the
// last one, or clicks it with the right button (--right-click); then reports the root items, the
// selection's path and its subitems.
void cmd_tree(const Args& args, Json& out) {
    HWND top = existing_top_level(args[0]);
    HWND tree = nullptr;
    for (HWND hwnd : descendants(top)) {
        if (_wcsicmp(class_name(hwnd).c_str(), WC_TREEVIEWW) == 0) tree = hwnd;
    }
    if (!tree) fail(L"no tree view in \"" + args[0] + L"\"");
    TreeReader reader(tree);
    bool right_click = args.back() == L"--right-click";
    size_t names = args.size() - (right_click ? 1 : 0);
    HTREEITEM level = reader.next(nullptr, TVGN_ROOT);
    HTREEITEM chosen = nullptr;
    for (size_t i = 1; i < names; ++i) {
        chosen = level;
        while (chosen && !text_matches(reader.text(chosen), args[i]))
            chosen = reader.next(chosen, TVGN_NEXT);
        if (!chosen) fail(L"no tree item \"" + args[i] + L"\"");
        send_message(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(chosen));
        level = reader.next(chosen, TVGN_CHILD);
    }
    if (chosen && right_click) {
        send_message(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(chosen));
        RECT rect = reader.rect(chosen);
        MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        mouse_click_at(top, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, true);
        // The click goes through the program's queue: wait for it to land (a hang guard).
        for (int i = 0; i < 500 && reader.next(nullptr, TVGN_CARET) != chosen; ++i) Sleep(20);
    } else if (chosen) {
        send_message(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(chosen));
    }

    HTREEITEM selected = reader.next(nullptr, TVGN_CARET);
    std::vector<std::wstring> path;
    for (HTREEITEM item = selected; item; item = reader.next(item, TVGN_PARENT))
        path.insert(path.begin(), reader.text(item));
    out.begin_object();
    put_hwnd(out, "hwnd", tree);
    out.key("roots");
    reader.put_level(out, reader.next(nullptr, TVGN_ROOT));
    out.key("selection").begin_array();
    for (const std::wstring& text : path) out.value(text);
    out.end_array();
    out.key("children");
    reader.put_level(out, selected ? reader.next(selected, TVGN_CHILD) : nullptr);
    out.end_object();
}
