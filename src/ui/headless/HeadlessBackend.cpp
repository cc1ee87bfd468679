#include "ui/headless/HeadlessBackend.h"

#include "ui/Menu.h"
#include "ui/OpenDialog.h"

namespace ui {

namespace {

// Open while it lives, as the loop of that object.
class InLoop {
public:
    InLoop(std::map<const void*, LoopDepth>& loops, const void* object) : depth_(loops[object]) {
        depth_.Enter();
    }
    ~InLoop() { depth_.Leave(); }
    InLoop(const InLoop&) = delete;
    InLoop& operator=(const InLoop&) = delete;

private:
    LoopDepth& depth_;
};

// No window: the handle is the application's address, and a request to come in front is
// counted.
class HeadlessApplication : public ApplicationPeer {
public:
    HeadlessApplication(Application& application, int& broughtToFront)
        : application_(application), broughtToFront_(broughtToFront) {}
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(&application_); }
    void SyncTitle() override {}
    void SyncTaskbarButton() override {}
    void SyncHook() override {}
    void BringToFront() override { ++broughtToFront_; }
    int Run() override { return 0; }

private:
    Application& application_;
    int& broughtToFront_;
};

}  // namespace

std::unique_ptr<ApplicationPeer> HeadlessBackend::CreateApplicationPeer(Application& application) {
    return std::make_unique<HeadlessApplication>(application, broughtToFront);
}

int HeadlessBackend::MostNestedOfOneKind() const {
    int most = 0;
    for (const auto& [object, depth] : loops) most = std::max(most, depth.Most);
    return most;
}

// The form shows and hides around its answer, as a real modal loop would.
ModalResult HeadlessBackend::RunModal(Form& form) {
    InLoop loop(loops, &form);
    modalShown.push_back(&form);
    form.Show();
    ModalResult result = ModalResult::Cancel;
    if (!modalAnswers.empty()) {
        auto answer = std::move(modalAnswers.front());
        modalAnswers.pop_front();
        result = answer(form);
    } else if (answerModal) {
        result = answerModal(form);
    }
    form.Hide();
    return result;
}

void HeadlessBackend::TrackPopup(PopupMenu& menu, Point at) {
    InLoop loop(loops, &menu);
    popupsShown.push_back({&menu, at});
    if (onPopup) onPopup(menu);
}

bool HeadlessBackend::RunOpenDialog(OpenDialog& dialog) {
    InLoop loop(loops, &dialog);
    openDialogsShown.push_back(dialog.FileName);
    if (openDialogAnswers.empty()) return false;
    std::optional<std::wstring> chosen = std::move(openDialogAnswers.front());
    openDialogAnswers.pop_front();
    if (!chosen) return false;
    dialog.FileName = *chosen;
    return true;
}

}  // namespace ui
