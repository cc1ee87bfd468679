#include "app/Vossik.h"

#include "settings/SettingsPath.h"

std::unique_ptr<TConfigVossik> StartVossik(System& system, ui::Application& application) {
    application.HideTaskbarButton();
    // The title also names the settings file.
    application.SetTitle("Vossik'");
    std::wstring settingsPath = SettingsPath(system, application.Title());
    // Two copies on one file would each write it over the other's, with two sets of icons.
    if (!system.ClaimSettingsFile(settingsPath)) return nullptr;

    auto configVossik = std::make_unique<TConfigVossik>(system, application, settingsPath);
    application.CreateForm(*configVossik);
    system.ReceiveHandOversAt(configVossik->Handle());
    configVossik->CreationFiche();
    application.ShowMainFormOnRun(!configVossik->StartsInTray());
    return configVossik;
}

int RunVossik(System& system, ui::Application& application) {
    std::unique_ptr<TConfigVossik> configVossik = StartVossik(system, application);
    return configVossik ? application.Run() : 0;
}
