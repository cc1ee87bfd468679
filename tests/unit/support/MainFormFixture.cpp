#include "support/MainFormFixture.h"

#include "tray/TrayIcon.h"

std::unique_ptr<TrayItem> MainFormFixture::MakeEntry(TrayItemKind kind, std::uint32_t id,
                                                     const std::string& name) {
    auto item = std::make_unique<TrayItem>();
    item->Kind = kind;
    item->Name = name;
    FillIconData(item->IconData, form->Handle(), id, name, system.NewIcon());
    return item;
}

std::vector<std::string> MainFormFixture::NotifyCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : system.calls)
        if (call.starts_with("notify ")) calls.push_back(call.substr(7));
    return calls;
}
