#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/System.h"
#include "tray/Opening.h"
#include "tray/TrayIconSet.h"
#include "types/Messages.h"
#include "ui/Application.h"
#include "ui/Form.h"

// What a click on an icon reads from the options and asks of the rest of the program.
struct TrayRequests {
    std::function<bool()> DoubleClickOpens;               // else a single press does
    std::function<OpeningOptions(TrayGroup)> OpeningFor;  // how a drive or a folder shows
    std::function<void(IconPosition)> ShowMenu;           // a right press, the window hidden
    std::function<void(TrayGroup, int)> SelectEntry;      // the icon's page and line in the window
    std::function<void()> Configure;                      // the menu's "Configurer ...", by program
    std::function<void()> Shutdown;                       // the shutdown icon's own action
};

// What the notification area tells the program: the icons' mouse messages, and a taskbar made
// anew, which knows none of our icons until they are added again.
class TrayEvents {
public:
    TrayEvents(System& system, ui::Application& application, const ui::Form& owner,
               TrayIconSet& icons, TrayRequests requests);

    void TrayMessage(const WindowMessage& message);

    ~TrayEvents();

    // The taskbar's restarts come to the application window as this registered message.
    void RegisterTaskbarCreated();
    // Answers that message; nothing for any other.
    std::optional<std::intptr_t> ApplicationWindowProc(const WindowMessage& message);
    // A msg::TaskbarReadd: the re-adding that the restarts asked for, when it is ours.
    void ReaddMessage(const WindowMessage& message);

    unsigned TaskbarCreatedMessage = 0;

private:
    void OpenClicked(IconPosition icon);
    void PostReadd();

    System& system_;
    ui::Application& application_;
    const ui::Form& owner_;
    TrayIconSet& icons_;
    TrayRequests requests_;
    // The tag of our re-adding message in the queue (0: none), and whether restarts came
    // since it was posted.
    std::uintptr_t readdTag_ = 0;
    std::uintptr_t readdPosts_ = 0;
    bool moreRestarts_ = false;
};
