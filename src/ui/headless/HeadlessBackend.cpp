#include "ui/headless/HeadlessBackend.h"

#include "ui/Menu.h"
#include "ui/OpenDialog.h"

namespace ui {

// The form shows and hides around its answer, as a real modal loop would.
ModalResult HeadlessBackend::RunModal(Form& form) {
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
    popupsShown.push_back({&menu, at});
    if (onPopup) onPopup(menu);
}

bool HeadlessBackend::RunOpenDialog(OpenDialog& dialog) {
    openDialogsShown.push_back(dialog.FileName);
    if (openDialogAnswers.empty()) return false;
    std::optional<std::wstring> chosen = std::move(openDialogAnswers.front());
    openDialogAnswers.pop_front();
    if (!chosen) return false;
    dialog.FileName = *chosen;
    return true;
}

}  // namespace ui
