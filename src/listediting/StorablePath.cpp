#include "listediting/StorablePath.h"

#include "platform/MessageBox.h"
#include "types/Cp1252.h"

bool ConfirmStorablePath(System& system, const std::wstring& path) {
    if (Widen(Narrow(path)) == path) return true;
    MessageWithBeep(system,
                    "Ce chemin contient des caractères que Vossik' ne peut pas enregistrer dans "
                    "ses réglages :\r\n" +
                        Narrow(path),
                    MessageKind::Error);
    return false;
}
