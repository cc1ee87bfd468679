#include "tray/IconCache.h"

#include <utility>

#include "tray/ModuleIcon.h"
#include "types/Cp1252.h"

IconCache::IconCache(System& system)
    : system_(system), size_{system.SmallIconWidth(), system.SmallIconHeight()} {}

SharedIcon IconCache::Get(const IconSource& source) {
    if (SharedIcon living = Find(source)) return living;
    return Keep(source, Fetch(source));
}

SharedIcon IconCache::Find(const IconSource& source) {
    auto found = pictures_.find(source);
    if (found == pictures_.end()) return {};
    return {*this, found->second};
}

SharedIcon IconCache::Keep(const IconSource& source, IconHandle icon) {
    OwnedIcon kept(system_, icon);
    if (!kept) return {};
    auto [place, made] = pictures_.try_emplace(source);
    if (made) place->second = {source, std::move(kept)};
    return {*this, place->second};
}

void IconCache::LetGo(Picture& picture) {
    pictures_.erase(picture.Source);
}

std::optional<std::vector<OwnedIcon>> IconCache::FollowSystemSize() {
    const IconSize now{system_.SmallIconWidth(), system_.SmallIconHeight()};
    if (now == size_) return std::nullopt;
    size_ = now;
    // The shell may let messages in while it looks: whatever they let go meanwhile is not
    // looked for again.
    std::vector<IconSource> sources;
    for (const auto& [source, picture] : pictures_) sources.push_back(source);
    std::vector<OwnedIcon> previous;
    for (const IconSource& source : sources) {
        OwnedIcon icon(system_, Fetch(source));
        auto living = pictures_.find(source);
        // A picture that cannot be had at the new size keeps the one it has.
        if (icon && living != pictures_.end())
            previous.push_back(std::exchange(living->second.Icon, std::move(icon)));
    }
    return previous;
}

IconHandle IconCache::Fetch(const IconSource& source) {
    switch (source.Kind) {
        case IconSource::From::File:
            return system_.ExtractFileIcon(source.Name, source.Index, size_.Width, size_.Height);
        case IconSource::From::Module:
            return ModuleIconSteps(system_, Narrow(source.Name), source.Index, false, size_);
        case IconSource::From::Shell: {
            auto info = system_.GetFileInfo(source.Name, shgfi::Icon | shgfi::SmallIcon);
            return info ? info->Icon : nullptr;
        }
    }
    return nullptr;
}
