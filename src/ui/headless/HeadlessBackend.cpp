#include "ui/headless/HeadlessBackend.h"

#include "ui/Menu.h"

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

}  // namespace ui
