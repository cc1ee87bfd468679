#pragma once

#include <map>
#include <optional>
#include <vector>

#include "platform/System.h"
#include "types/SharedIcon.h"

struct IconSize {
    int Width = 16;
    int Height = 16;
    bool operator==(const IconSize&) const = default;
};

// The pictures of the icons, one per source however many icons show it, all at the system's
// small-icon size: thousands of entries of a few files hold a few icons, far from the system's
// quota of objects per process. A source read afresh has its new picture shared from then on,
// while the icons that show the former one keep it until they are read afresh in their turn. It
// must outlive every share it hands out.
class IconCache : public PictureKeeper {
public:
    explicit IconCache(System& system);
    IconCache(const IconCache&) = delete;
    IconCache& operator=(const IconCache&) = delete;

    // A share of the picture from that source, fetched when no share of it lives; empty when it
    // cannot be had.
    SharedIcon Get(const IconSource& source);
    // A share of the picture from that source fetched now, the file may have changed; empty
    // when it cannot be had.
    SharedIcon Renew(const IconSource& source);
    // A share of the newest living picture from that source, or empty.
    SharedIcon Find(const IconSource& source);
    // Keeps an icon the caller fetched as the picture from that source; empty for none. When a
    // picture from there lives already, the icon goes and that picture is shared.
    SharedIcon Keep(const IconSource& source, IconHandle icon);

    const IconSize& Size() const { return size_; }
    // When the system's small-icon size is no longer the pictures' own, every picture is fetched
    // again at the new one, in place, so that every share shows it; the previous icons come
    // back, to live until the shell has the new ones. Nothing when the size stayed.
    std::optional<std::vector<OwnedIcon>> FollowSystemSize();

private:
    void LetGo(Picture& picture) override;
    IconHandle Fetch(const IconSource& source);

    System& system_;
    IconSize size_;
    // The newest picture of a source is the last of its range.
    std::multimap<IconSource, Picture> pictures_;
};
