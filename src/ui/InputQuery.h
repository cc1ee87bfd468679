#pragma once

#include <string>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Static.h"

namespace ui {

// The one-line prompt: a question, a field with its current answer, "OK" and "Annuler".
class InputBox : public Form {
public:
    InputBox(const std::string& title, const std::string& prompt, const std::string& value);

    Label Prompt{this, "Prompt"};
    Edit Value{this, "Value"};
    Button OkBtn{this, "OkBtn"};
    Button AnnulerBtn{this, "AnnulerBtn"};
};

// Asks for one line of text; true, with `value` changed, when the user confirms.
bool InputQuery(const std::string& title, const std::string& prompt, std::string& value);

}  // namespace ui
