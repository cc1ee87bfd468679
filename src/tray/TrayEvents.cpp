#include "tray/TrayEvents.h"

#include <utility>

#include "platform/MessageBox.h"
#include "tray/Opening.h"
#include "tray/TrayIcon.h"

TrayEvents::TrayEvents(System& system, ui::Application& application, const ui::Form& owner,
                       TrayIconSet& icons, TrayRequests requests)
    : system_(system),
      application_(application),
      owner_(owner),
      icons_(icons),
      requests_(std::move(requests)) {}

namespace {

bool IsPress(std::intptr_t mouse) {
    switch (mouse) {
        case msg::LButtonDown:
        case msg::LButtonDblClk:
        case msg::RButtonDown:
        case msg::RButtonDblClk:
            return true;
        default:
            return false;
    }
}

}  // namespace

void TrayEvents::TrayMessage(const WindowMessage& message) {
    // A press handled inside the shell's call would open a menu, and run the drive updates
    // waiting in the queue, halfway through moving the icons: it waits for the loop instead.
    if (icons_.Area().InShellCall()) {
        system_.PostMessage(owner_.Handle(), message.Msg, message.WParam, message.LParam);
        return;
    }
    // A box waits for an answer: a press on an icon shows it again, and opens nothing behind it.
    if (system_.MessageBoxes.Showing()) {
        if (IsPress(message.LParam)) system_.MessageBoxes.BringForward(system_);
        return;
    }
    IconPosition icon = DecodeIconId(static_cast<std::uint32_t>(message.WParam));
    switch (message.LParam) {
        case msg::LButtonDown:
            if (!requests_.DoubleClickOpens()) OpenClicked(icon);
            break;
        case msg::LButtonDblClk:
            if (requests_.DoubleClickOpens()) OpenClicked(icon);
            break;
        case msg::RButtonDown:
            if (!owner_.Showing()) requests_.ShowMenu(icon);
            break;
        case msg::RButtonDblClk:
            if (owner_.Showing()) {
                requests_.SelectEntry(icon.Group, icon.Position);
                application_.BringToFront();
            } else {
                requests_.Configure();
            }
            break;
        default:
            break;
    }
}

void TrayEvents::OpenClicked(IconPosition icon) {
    if (icon.Group == TrayGroup::GroupShutdown) {
        requests_.Shutdown();
        return;
    }
    const TrayItem* item = icons_.ItemAt(icon);
    if (!item) {
        // A message still queued for an icon that was just removed: nothing to open.
        ShowHandlerError(system_, application_.Title(),
                         "Indice de liste hors limites (" + std::to_string(icon.Position) + ")");
        return;
    }
    OpenItem(system_, owner_.Handle(), icon.Group, *item, requests_.OpeningFor(icon.Group));
}

TrayEvents::~TrayEvents() {
    icons_.Area().Refusals().EndReaddWait();
}

void TrayEvents::RegisterTaskbarCreated() {
    TaskbarCreatedMessage = system_.RegisterWindowMessage("TaskBarCreated");
}

// Every icon is added again from the loop, never halfway through one of our changes of the
// icons, and once for a burst of restarts (a shell that restarts again and again, or another
// program's broadcasts): once a pass of the queue brought no more of them. A single restart is
// answered at the next pass.
std::optional<std::intptr_t> TrayEvents::ApplicationWindowProc(const WindowMessage& message) {
    if (message.Msg != TaskbarCreatedMessage) return std::nullopt;
    if (icons_.Area().Refusals().AwaitReadd())
        PostReadd();
    else
        moreRestarts_ = true;
    return 0;
}

// Tagged with a number other programs do not know, so that their posts of the same message
// neither add the icons again nor end a burst early.
void TrayEvents::PostReadd() {
    readdTag_ = reinterpret_cast<std::uintptr_t>(this) + ++readdPosts_;
    system_.PostMessage(owner_.Handle(), msg::TaskbarReadd, readdTag_, 0);
}

void TrayEvents::ReaddMessage(const WindowMessage& message) {
    if (readdTag_ == 0 || message.WParam != readdTag_) return;
    if (std::exchange(moreRestarts_, false)) {
        PostReadd();
        return;
    }
    readdTag_ = 0;
    icons_.Area().Refusals().EndReaddWait();
    icons_.Reorganise();
}
