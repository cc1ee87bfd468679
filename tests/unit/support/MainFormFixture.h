#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/ConfigVossik.h"
#include "support/FakeSystem.h"
#include "ui/headless/HeadlessBackend.h"

// The main form on the headless toolkit and the fake system, as the program entry makes it.
class MainFormFixture : public ::testing::Test {
protected:
    MainFormFixture() {
        ui::SetBackend(backend);
        system.modules["Shell32"] = {16, 22, 23, 28};
        system.modules["Explorer.exe"] = {101};
    }

    static constexpr const char* SettingsFile = "C:\\Vossik\\Vossik'.ini";

    // The settings file beside the executable exists, with that content.
    void WithSettingsFile(const std::string& content = "") {
        system.files.insert(SettingsFile);
        system.fileContents[SettingsFile] = content;
    }

    TConfigVossik& Start() {
        // A second start in one test: the old form lets go of the old application first.
        form.reset();
        application = std::make_unique<ui::Application>();
        application->HideTaskbarButton();
        application->SetTitle("Vossik'");
        form = std::make_unique<TConfigVossik>(system, *application);
        application->CreateForm(*form);
        form->CreationFiche();
        application->ShowMainFormOnRun(!form->StartsInTray());
        return *form;
    }

    // A record at the end of a list of the icon set, with its own icon.
    TrayItem& AddEntry(TrayItemList& list, TrayItemKind kind, const std::string& name);

    std::vector<std::string> NotifyCalls() const;

    ui::HeadlessBackend backend;
    FakeSystem system;
    std::unique_ptr<ui::Application> application;
    std::unique_ptr<TConfigVossik> form;
};
