#include "ui/InputQuery.h"

namespace ui {

InputBox::InputBox(const std::string& title, const std::string& prompt, const std::string& value)
    : Form("InputBox") {
    SetCaption(title);
    SetClientSize(380, 95);
    SetBorder(BorderStyle::Dialog);
    SetFont({"MS Sans Serif", -11});
    Prompt.Place({8, 8, 364, 13}, prompt);
    Value.Place({8, 26, 364, 21}, value);
    Value.SetBackColor(syscolor::Window);
    OkBtn.Place({214, 60, 75, 25}, "OK");
    OkBtn.SetDefault(true);
    OkBtn.OnClick = [this] { EndModal(ModalResult::Ok); };
    AnnulerBtn.Place({297, 60, 75, 25}, "Annuler");
    AnnulerBtn.OnClick = [this] { EndModal(ModalResult::Cancel); };
}

bool InputQuery(const std::string& title, const std::string& prompt, std::string& value) {
    InputBox box(title, prompt, value);
    if (box.ShowModal() != ModalResult::Ok) return false;
    value = box.Value.Caption();
    return true;
}

}  // namespace ui
