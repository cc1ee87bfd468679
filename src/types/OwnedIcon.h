#pragma once

#include <utility>

#include "types/Handles.h"

// Whoever can destroy an icon: the system, or a test's fake of it.
class IconDestroyer {
public:
    virtual void DestroyIcon(IconHandle icon) = 0;

protected:
    ~IconDestroyer() = default;
};

// One icon handle and the duty to destroy it, once, when replaced or when its owner goes.
class OwnedIcon {
public:
    OwnedIcon() = default;
    OwnedIcon(IconDestroyer& destroyer, IconHandle icon) : destroyer_(&destroyer), icon_(icon) {}
    OwnedIcon(OwnedIcon&& other) noexcept
        : destroyer_(other.destroyer_), icon_(std::exchange(other.icon_, nullptr)) {}
    OwnedIcon& operator=(OwnedIcon&& other) noexcept {
        if (this != &other) {
            Reset();
            destroyer_ = other.destroyer_;
            icon_ = std::exchange(other.icon_, nullptr);
        }
        return *this;
    }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    ~OwnedIcon() { Reset(); }

    IconHandle Get() const { return icon_; }
    explicit operator bool() const { return icon_ != nullptr; }

private:
    void Reset() {
        if (icon_) destroyer_->DestroyIcon(std::exchange(icon_, nullptr));
    }

    IconDestroyer* destroyer_ = nullptr;
    IconHandle icon_ = nullptr;
};
