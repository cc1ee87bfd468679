#pragma once

#include <compare>
#include <string>
#include <utility>

#include "types/OwnedIcon.h"

// Where a picture comes from, so that it can be fetched again at another size.
struct IconSource {
    enum class From {
        File,    // an icon in a file: Index is its place there, or minus its resource number
        Module,  // a group-icon resource of a system module: Index is its number
        Shell,   // the picture the shell draws for a path that names no file for it
    };
    From Kind = From::File;
    std::wstring Name;  // the file, the module or the path
    int Index = 0;
    auto operator<=>(const IconSource&) const = default;
};

// One picture and how many shares of it live.
struct Picture {
    IconSource Source;
    OwnedIcon Icon;
    int Shares = 0;
};

// Whoever keeps pictures for those who share them: told when the last share of one goes.
class PictureKeeper {
public:
    virtual void LetGo(Picture& picture) = 0;

protected:
    ~PictureKeeper() = default;
};

// A share of a picture that others may show too: a thousand folders show one folder picture.
// The last share to go has the picture destroyed; no code frees a shared icon by hand.
class SharedIcon {
public:
    SharedIcon() = default;
    SharedIcon(PictureKeeper& keeper, Picture& picture) : keeper_(&keeper), picture_(&picture) {
        ++picture.Shares;
    }
    SharedIcon(const SharedIcon& other) : keeper_(other.keeper_), picture_(other.picture_) {
        if (picture_) ++picture_->Shares;
    }
    SharedIcon(SharedIcon&& other) noexcept
        : keeper_(other.keeper_), picture_(std::exchange(other.picture_, nullptr)) {}
    SharedIcon& operator=(SharedIcon other) noexcept {
        std::swap(keeper_, other.keeper_);
        std::swap(picture_, other.picture_);
        return *this;
    }
    ~SharedIcon() {
        if (picture_ && --picture_->Shares == 0) keeper_->LetGo(*picture_);
    }

    IconHandle Get() const { return picture_ ? picture_->Icon.Get() : nullptr; }
    explicit operator bool() const { return Get() != nullptr; }

private:
    PictureKeeper* keeper_ = nullptr;
    Picture* picture_ = nullptr;
};
