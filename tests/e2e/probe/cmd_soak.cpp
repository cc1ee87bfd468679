// Many events in one process, in an order drawn from a seed: starting Wine for each event would
// make a soak of thousands take an hour.
//
// soak <seed> [callbacks=N] [devices=N] [broadcasts=N] [menus=N] [applies=N] [ids=0,100,...]
//      [drives=CDEZ] [absent=FGR] [check=<check box text>]...
//
// Callbacks are mouse messages on the icons `ids`, never a left double click (it opens the
// item, and the soak runs in double-click mode); with the main form hidden no right press or
// right double click either, since those open a menu or the form. Menus are right presses on
// those icons, with the form hidden. Devices are arrivals and removals of the `drives`, with
// random flags, and removals of the `absent` letters (an arrival of a missing drive ends, as
// it should, in an error box after the program's retries). Applies click one of the check
// boxes named, then "Appliquer", with the form shown. At the end the check boxes are put back
// and applied, and every drive arrives again, so that the program's state can be compared with
// the one it started with.
#include <algorithm>
#include <random>

#include "commands.h"
#include "events.h"
#include "window_util.h"

namespace {

constexpr UINT kTrayCallback = 0xFFE;

enum class Event { Callback, Device, Broadcast, Menu, Apply };

struct Plan {
    unsigned long counts[5] = {};
    std::vector<UINT> ids;
    std::wstring drives, absent;
    std::vector<std::wstring> checks;
};

std::vector<UINT> parse_ids(const std::wstring& text) {
    std::vector<UINT> ids;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = std::min(text.find(L',', start), text.size());
        ids.push_back(parse_number(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return ids;
}

Plan parse_plan(const Args& args) {
    static const wchar_t* const kCounts[] = {L"callbacks", L"devices", L"broadcasts", L"menus",
                                             L"applies"};
    Plan plan;
    for (size_t i = 1; i < args.size(); ++i) {
        size_t equals = args[i].find(L'=');
        if (equals == std::wstring::npos) fail(L"not name=value: " + args[i]);
        std::wstring name = args[i].substr(0, equals), value = args[i].substr(equals + 1);
        auto count = std::find(std::begin(kCounts), std::end(kCounts), name);
        if (count != std::end(kCounts)) {
            plan.counts[count - std::begin(kCounts)] = parse_number(value);
        } else if (name == L"ids") {
            plan.ids = parse_ids(value);
        } else if (name == L"drives") {
            plan.drives = value;
        } else if (name == L"absent") {
            plan.absent = value;
        } else if (name == L"check") {
            plan.checks.push_back(value);
        } else {
            fail(L"unknown soak setting " + name);
        }
    }
    if (plan.ids.empty()) fail(L"no icon ids");
    return plan;
}

DWORD drive_bit(wchar_t letter) {
    if (letter < L'A' || letter > L'Z') fail(std::wstring(L"not a drive letter: ") + letter);
    return 1u << (letter - L'A');
}

class Soak {
public:
    Soak(unsigned long seed, Plan plan)
        : random_(seed), plan_(std::move(plan)), form_(existing_top_level(kMainForm)) {
        for (const std::wstring& text : plan_.checks) {
            HWND box = find_descendant(form_, text);
            checks_.push_back({box, send_message(box, BM_GETCHECK, 0, 0) == BST_CHECKED});
        }
    }

    void run(Event event) {
        switch (event) {
            case Event::Callback:
                callback();
                break;
            case Event::Device:
                device();
                break;
            case Event::Broadcast:
                send_broadcast();
                break;
            case Event::Menu:
                open_icon_menu(form_, pick(plan_.ids));
                break;
            case Event::Apply:
                click(checks_.at(pick_index(checks_.size())).box);
                click(find_descendant(form_, L"Appliquer"));
                break;
        }
    }

    // The check boxes as they were, and every drive there again.
    void restore() {
        bool changed = false;
        for (const Check& check : checks_) {
            if ((send_message(check.box, BM_GETCHECK, 0, 0) == BST_CHECKED) == check.was_checked)
                continue;
            click(check.box);
            changed = true;
        }
        if (changed) click(find_descendant(form_, L"Appliquer"));
        for (wchar_t letter : plan_.drives)
            send_volume_change(form_, DBT_DEVICEARRIVAL, drive_bit(letter), 0);
        sync();
    }

private:
    struct Check {
        HWND box;
        bool was_checked;
    };

    size_t pick_index(size_t size) {
        if (size == 0) fail(L"nothing to pick from");
        return random_() % size;
    }

    template <typename T>
    T pick(const std::vector<T>& items) {
        return items[pick_index(items.size())];
    }

    // Sent messages are handled in order: once this one returns, the event before it was.
    void sync() { send_message(form_, WM_NULL, 0, 0); }

    void click(HWND control) {
        send_message(control, BM_CLICK, 0, 0);
        sync();
    }

    void callback() {
        std::vector<UINT> messages = {WM_MOUSEMOVE,   WM_LBUTTONDOWN, WM_LBUTTONUP,    WM_RBUTTONUP,
                                      WM_MBUTTONDOWN, WM_MBUTTONUP,   WM_MBUTTONDBLCLK};
        if (IsWindowVisible(form_)) {
            messages.push_back(WM_RBUTTONDOWN);
            messages.push_back(WM_RBUTTONDBLCLK);
        }
        if (!SendNotifyMessageW(form_, kTrayCallback, pick(plan_.ids), pick(messages)))
            fail(L"SendNotifyMessage failed");
        sync();
    }

    void device() {
        static const WORD kFlags[] = {0, DBTF_MEDIA, DBTF_NET};
        std::wstring letters = plan_.drives + plan_.absent;
        if (letters.empty()) fail(L"no drive letters");
        size_t at = pick_index(letters.size());
        bool arrival = at < plan_.drives.size() && random_() % 2;
        send_volume_change(form_, arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
                           drive_bit(letters[at]), kFlags[random_() % 3]);
        sync();
    }

    // Sent to every top-level window, so that it has been handled when this returns.
    void send_broadcast() {
        static const UINT message = RegisterWindowMessageW(L"TaskBarCreated");
        DWORD_PTR result = 0;
        SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        sync();
    }

    std::mt19937 random_;
    Plan plan_;
    HWND form_;
    std::vector<Check> checks_;
};

}  // namespace

void cmd_soak(const Args& args, Json& out) {
    static const char* const kNames[] = {"callbacks", "devices", "broadcasts", "menus", "applies"};
    Plan plan = parse_plan(args);
    std::vector<Event> events;
    for (int kind = 0; kind < 5; ++kind)
        events.insert(events.end(), plan.counts[kind], static_cast<Event>(kind));
    std::mt19937 order(parse_number(args[0]));
    std::shuffle(events.begin(), events.end(), order);

    Soak soak(parse_number(args[0]), plan);
    for (Event event : events) soak.run(event);
    soak.restore();

    out.begin_object();
    for (int kind = 0; kind < 5; ++kind) out.key(kNames[kind]).value(plan.counts[kind]);
    out.key("events").value(static_cast<unsigned long>(events.size()));
    out.end_object();
}
