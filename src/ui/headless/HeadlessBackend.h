#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/Backend.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Timer.h"
#include "ui/headless/LoopDepth.h"

namespace ui {

// No windows at all: controls keep their state alone, modal forms are answered from a script
// and popups are only recorded.
class HeadlessBackend : public Backend {
public:
    std::unique_ptr<ControlPeer> CreatePeer(Control&) override { return nullptr; }
    std::unique_ptr<TimerPeer> CreateTimerPeer(Timer&) override { return nullptr; }
    std::unique_ptr<ImageListPeer> CreateImageListPeer(ImageList&) override { return nullptr; }
    std::unique_ptr<ApplicationPeer> CreateApplicationPeer(Application& application) override;
    ModalResult RunModal(Form& form) override;
    void EndModal(Form&) override {}
    void TrackPopup(PopupMenu& menu, Point at) override;
    void CloseMenus() override { ++menusClosed; }
    bool RunOpenDialog(OpenDialog& dialog) override;
    void Quit() override { quitRequested = true; }
    bool QuitRequested() const override { return quitRequested; }

    // The next modal forms' answers, given while the form shows, in order; then `answerModal`
    // answers, and without it a form is cancelled.
    std::deque<std::function<ModalResult(Form&)>> modalAnswers;
    std::function<ModalResult(Form&)> answerModal;
    std::vector<Form*> modalShown;
    struct PopupShown {
        PopupMenu* Menu;
        Point At;
    };
    std::vector<PopupShown> popupsShown;
    std::function<void(PopupMenu&)> onPopup;
    int menusClosed = 0;
    // The next file-open dialogs' choices, in order (nothing: cancelled), and the names each
    // one was opened on.
    std::deque<std::optional<std::wstring>> openDialogAnswers;
    std::vector<std::wstring> openDialogsShown;
    bool quitRequested = false;
    // The times the program asked for its window to come in front of the user's.
    int broughtToFront = 0;
    // The loops of each modal form, menu and file dialog.
    std::map<const void*, LoopDepth> loops;
    int MostNestedOfOneKind() const;
};

}  // namespace ui
