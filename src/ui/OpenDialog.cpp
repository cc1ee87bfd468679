#include "ui/OpenDialog.h"

#include "ui/Backend.h"

namespace ui {

bool OpenDialog::Execute() {
    return CurrentBackend().RunOpenDialog(*this);
}

}  // namespace ui
