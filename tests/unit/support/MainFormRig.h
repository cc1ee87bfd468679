#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/ConfigVossik.h"
#include "support/FakeSystem.h"
#include "ui/headless/HeadlessBackend.h"

// The main form on the headless toolkit and the fake system, as the program entry makes it.
// The unit tests and the model fuzzer both drive the program through it.
struct MainFormRig {
    MainFormRig();
    MainFormRig(const MainFormRig&) = delete;
    MainFormRig& operator=(const MainFormRig&) = delete;

    static constexpr const char* SettingsFile = "C:\\Vossik\\Vossik'.ini";
    // Where a copy installed in a folder it cannot write keeps them.
    static constexpr const char* RoamingSettingsFile =
        "C:\\Users\\Ann\\AppData\\Roaming\\Vossik'\\Vossik'.ini";

    // The settings file beside the executable exists, with that content.
    void WithSettingsFile(const std::string& content = "");

    // As the program entry starts it; the fake lets every start claim the settings file.
    TConfigVossik& Start();

    // A record at the end of a list of the icon set, with a picture of its own.
    TrayItem& AddEntry(TrayItemList& list, TrayItemKind kind, const std::string& name);

    // The loop runs what is queued for the main form, and what that queues, until nothing is.
    void DeliverPosted();

    std::vector<std::string> NotifyCalls() const;

    ui::HeadlessBackend backend;
    FakeSystem system;
    std::unique_ptr<ui::Application> application;
    std::unique_ptr<TConfigVossik> form;
};
