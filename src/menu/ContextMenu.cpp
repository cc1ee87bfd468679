#include "menu/ContextMenu.h"

#include "tray/ShellInfo.h"
#include "types/ShutdownAction.h"

namespace {

struct ModuleImage {
    const char* Module;
    int Resource;
};

constexpr ModuleImage SystemImages[] = {
    {"Shell32", 28}, {"Shell32", 16}, {"Explorer.exe", 101}, {"Shell32", 23}, {"Shell32", 22},
};

constexpr const char* OwnImages[] = {"ZCONFIG", "ZREPETER", "ZQUITTER", "ZCOCHE"};
constexpr const char* StandInImage = "MAINICON";

// A caption marks its access key with "&": a name is shown as written, each of its "&" doubled.
std::string AsWritten(const std::string& name) {
    std::string caption;
    for (char c : name) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

}  // namespace

ContextMenu::ContextMenu(System& system, ui::Application& application, ui::Form& mainForm,
                         ConfigPages& pages, TrayIconSet& icons, MainFormCommands commands)
    : system_(system),
      application_(application),
      mainForm_(mainForm),
      pages_(pages),
      icons_(icons),
      commands_(std::move(commands)) {
    SetUpItems();
    SetUpDrawing();
}

void ContextMenu::SetUpItems() {
    MenuContext.Images = &ImageList;
    MenuContext.OnPopup = [this] { MenuContextPopup(); };

    struct Picture {
        ui::MenuItem& Item;
        int Image;
    };
    for (Picture picture : {Picture{MCOuvrir, 1},
                            {MCExplorer, 2},
                            {MCRechercher, 3},
                            {MCProprietes, 4},
                            {MCChangerNom, 0},
                            {MCRedemarrerWin, 0},
                            {MCRedemarrerPC, 0},
                            {MCEteindre, 0},
                            {MCReorganiser, 6},
                            {MCConfig, 5},
                            {MCQuitter, 7}})
        picture.Item.ImageIndex = picture.Image;

    // The shutdown items carry their action code, as the Eteindre page's buttons do; only
    // those offered act.
    struct Action {
        ui::MenuItem& Item;
        ShutdownAction Code;
    };
    for (Action shutdown : {Action{MCChangerNom, action::LogOff},
                            {MCRedemarrerWin, action::RestartWindows},
                            {MCRedemarrerPC, action::Reboot},
                            {MCEteindre, action::PowerOff}}) {
        shutdown.Item.Tag = static_cast<int>(shutdown.Code);
        shutdown.Item.Visible = false;
    }
    for (ui::MenuItem* item : offeredShutdowns_) {
        item->OnClick = [this, item] {
            if (OnEteindre) OnEteindre(*item);
        };
    }
    MCMAJIcones.Checked = MCLecteurs.Checked = MCDossiers.Checked = MCLancements.Checked = true;

    MCNom.OnClick = [this] { MCNomClick(); };
    MCOuvrir.OnClick = [this] { MCOuvrirClick(MCOuvrir); };
    MCExplorer.OnClick = [this] { MCOuvrirClick(MCExplorer); };
    MCRechercher.OnClick = [this] { MCRechercherClick(); };
    MCProprietes.OnClick = [this] { MCProprietesClick(); };
    MCReorganiser.OnClick = [this] { commands_.Reorganise(); };
    MCMAJIcones.OnClick = [this] { MCMAJIconesClick(); };
    MCAfficher.OnClick = [this] { MCAfficherClick(); };
    MCLecteurs.OnClick = [this] { MCLecteursClick(); };
    MCDossiers.OnClick = [this] { MCDossiersClick(); };
    MCLancements.OnClick = [this] { MCLancementsClick(); };
    MCConfig.OnClick = [this] { MCConfigClick(); };
    MCQuitter.OnClick = [this] { commands_.Quit(); };
}

void ContextMenu::BuildMenuImages() {
    const IconSize size = icons_.Pictures.Size();
    ImageList.Reset(size.Width, size.Height);
    auto ownIcon = [this, size](const char* name) {
        return OwnedIcon(system_, system_.LoadOwnIconAtSize(name, size.Width, size.Height));
    };
    for (const ModuleImage& image : SystemImages) {
        SharedIcon icon = FindModuleIcon(icons_.Pictures, image.Module, image.Resource);
        ImageList.AddIcon(icon ? icon.Get() : ownIcon(StandInImage).Get());
    }
    for (const char* name : OwnImages) {
        if (OwnedIcon icon = ownIcon(name)) ImageList.AddIcon(icon.Get());
    }
    FollowPictureSize();
}

// A press that comes while the menu is open, or while its command runs, is no second menu.
void ContextMenu::PopupFor(IconPosition icon) {
    if (MenuContext.IsOpen()) return;
    clicked_ = icon;
    const TrayItem* item = icons_.ItemAt(icon);
    clickedEntry_ = item ? item->Entry : 0;
    // The menu only closes on a click elsewhere when our window is in the foreground.
    application_.BringToFront();
    ui::Point cursor;
    system_.CursorPos(cursor.X, cursor.Y);
    MenuContext.Popup(cursor);
    system_.SendMessage(mainForm_.Handle(), msg::Null, 0, 0);
}

IconPosition ContextMenu::ClickedEntry() {
    return icons_.Locate(clicked_.Group, clickedEntry_);
}

TrayItem* ContextMenu::ClickedItem() {
    return icons_.ItemAt(ClickedEntry());
}

void ContextMenu::MenuContextPopup() {
    highContrast_ = system_.HighContrast();
    MenuContext.FlatMenus = system_.FlatMenus();

    const TrayGroup group = clicked_.Group;
    const bool drive = group == TrayGroup::GroupDrive, folder = group == TrayGroup::GroupFolder;
    const bool shutdown = group == TrayGroup::GroupShutdown;

    MCExplorer.Enabled = drive || folder;
    MCExplorer.Default = pages_.OpeningFor(group).ExplorerView;
    MCOuvrir.Default = !MCExplorer.Default;

    const TrayItem* item = ClickedItem();
    MCNom.Caption = item ? AsWritten(item->Tip()) : "";

    // The default is the icon's own action.
    const ui::RadioButton* chosen = pages_.PageEteindre.ChosenAction();
    for (ui::MenuItem* item : offeredShutdowns_) {
        if (shutdown) item->Default = chosen && chosen->Tag() == item->Tag;
        item->Visible = shutdown;
    }
    for (ui::MenuItem* entryCommand : {&MCOuvrir, &MCExplorer, &MCRechercher, &MCProprietes})
        entryCommand->Visible = !shutdown;

    MCMAJIcones.Checked = pages_.PageAPropos.CBActiverMAJ.Checked();
    MCAfficherClick();
}
