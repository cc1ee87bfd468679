#include "ui/headless/HeadlessBackend.h"

#include "ui/Menu.h"
#include "ui/OpenDialog.h"

namespace ui {

ModalResult HeadlessBackend::RunModal(Form& form) {
    modalShown.push_back(&form);
    if (modalAnswers.empty()) return ModalResult::Cancel;
    auto answer = std::move(modalAnswers.front());
    modalAnswers.pop_front();
    return answer(form);
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
