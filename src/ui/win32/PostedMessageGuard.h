#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The messages whose lParam only the system fills with a pointer, and only when it sends them:
// one posted by another program has its pointer dropped before any loop of this thread
// dispatches it, ours or the system's own (a box's, a menu's, a dialog's), so that no handler
// reads through it. The system refuses to post the other messages that carry pointers; these
// it lets through.
class PostedMessageGuard {
public:
    PostedMessageGuard();
    ~PostedMessageGuard();
    PostedMessageGuard(const PostedMessageGuard&) = delete;
    PostedMessageGuard& operator=(const PostedMessageGuard&) = delete;

private:
    HHOOK hook_;
};

}  // namespace ui::win32
