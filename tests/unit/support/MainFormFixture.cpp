#include "support/MainFormFixture.h"

TrayItem& MainFormFixture::AddEntry(TrayItemList& list, TrayItemKind kind,
                                    const std::string& name) {
    auto item = std::make_unique<TrayItem>();
    item->Kind = kind;
    item->Name = name;
    return form->Icons.Append(list, std::move(item), name, {system, system.NewIcon()});
}

std::vector<std::string> MainFormFixture::NotifyCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : system.calls)
        if (call.starts_with("notify ")) calls.push_back(call.substr(7));
    return calls;
}
