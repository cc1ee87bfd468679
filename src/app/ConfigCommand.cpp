#include "app/ConfigVossik.h"

// Opens the configuration window at the page and entry of the icon the menu was opened for.
void TConfigVossik::MCConfigClick() {
    SelectConfigEntry(static_cast<TrayGroup>(Menu.MenuContext.Tag), Menu.MenuContext.HelpContext);
    system_.SendMessage(Handle(), msg::Null, 0, 0);
    application_.ProcessMessages();
    Show();
}
