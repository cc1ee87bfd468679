#include "tray/IconCache.h"

#include <iterator>
#include <utility>

#include "tray/ModuleIcon.h"
#include "types/Cp1252.h"

IconCache::IconCache(System& system)
    : system_(system), size_{system.SmallIconWidth(), system.SmallIconHeight()} {}

SharedIcon IconCache::Get(const IconSource& source) {
    if (SharedIcon living = Find(source)) return living;
    return Keep(source, Fetch(source));
}

SharedIcon IconCache::Renew(const IconSource& source) {
    OwnedIcon icon(system_, Fetch(source));
    if (!icon) return {};
    return {*this, pictures_.emplace(source, Picture{source, std::move(icon)})->second};
}

SharedIcon IconCache::Find(const IconSource& source) {
    auto [first, last] = pictures_.equal_range(source);
    if (first == last) return {};
    return {*this, std::prev(last)->second};
}

SharedIcon IconCache::Keep(const IconSource& source, IconHandle icon) {
    OwnedIcon kept(system_, icon);
    if (!kept) return {};
    if (SharedIcon living = Find(source)) return living;
    return {*this, pictures_.emplace(source, Picture{source, std::move(kept)})->second};
}

void IconCache::LetGo(Picture& picture) {
    auto [first, last] = pictures_.equal_range(picture.Source);
    for (auto place = first; place != last; ++place) {
        if (&place->second != &picture) continue;
        pictures_.erase(place);
        return;
    }
}

std::optional<std::vector<OwnedIcon>> IconCache::FollowSystemSize() {
    const IconSize now{system_.SmallIconWidth(), system_.SmallIconHeight()};
    if (now == size_) return std::nullopt;
    size_ = now;
    // The shell may let messages in while it looks: each picture is held meanwhile, so that
    // nothing let go then is lost under the loop.
    std::vector<std::pair<Picture*, SharedIcon>> held;
    for (auto& [source, picture] : pictures_)
        held.emplace_back(&picture, SharedIcon(*this, picture));
    std::vector<OwnedIcon> previous;
    for (auto& [picture, share] : held) {
        // A picture that cannot be had at the new size keeps the one it has.
        if (OwnedIcon icon(system_, Fetch(picture->Source)); icon)
            previous.push_back(std::exchange(picture->Icon, std::move(icon)));
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
