#include "support/MainFormRig.h"

#include "app/Vossik.h"

MainFormRig::MainFormRig() {
    ui::SetBackend(backend);
    system.modules["Shell32"] = {16, 22, 23, 28};
    system.modules["Explorer.exe"] = {101};
}

void MainFormRig::WithSettingsFile(const std::string& content) {
    system.files.insert(SettingsFile);
    system.fileContents[SettingsFile] = content;
}

TConfigVossik& MainFormRig::Start() {
    // A second start in one test: the old form lets go of the old application first.
    form.reset();
    application = std::make_unique<ui::Application>();
    form = StartVossik(system, *application);
    return *form;
}

TrayItem& MainFormRig::AddEntry(TrayItemList& list, TrayItemKind kind, const std::string& name) {
    auto item = std::make_unique<TrayItem>();
    item->Kind = kind;
    item->Name = name;
    return form->Icons.Append(list, std::move(item), name,
                              OwnPicture(form->Icons.Pictures, system));
}

void MainFormRig::DeliverPosted() {
    while (!system.posted.empty()) {
        const WindowMessage message = system.posted.front();
        system.posted.pop_front();
        form->OnMessage(message, [] { return std::intptr_t{0}; });
    }
}

std::vector<std::string> MainFormRig::NotifyCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : system.calls)
        if (call.starts_with("notify ")) calls.push_back(call.substr(7));
    return calls;
}
