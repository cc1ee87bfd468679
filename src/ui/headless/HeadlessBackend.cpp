#include "ui/headless/HeadlessBackend.h"

#include "ui/Menu.h"

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
    }
    form.Hide();
    return result;
}

void HeadlessBackend::TrackPopup(PopupMenu& menu, Point at) {
    popupsShown.push_back({&menu, at});
    if (onPopup) onPopup(menu);
}

}  // namespace ui
