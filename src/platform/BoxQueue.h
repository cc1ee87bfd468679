#pragma once

#include <deque>
#include <optional>
#include <string>

class System;

// One message box at a time. A box's loop runs the program's messages, and a handler there may
// ask for another box: it waits its turn behind the one showing, once however often it is asked
// for, and shows when that one closes. A question cannot wait, since its caller needs the
// answer at once: it gets the cautious "no" without showing. So no box ever opens inside another.
class BoxQueue {
public:
    struct Box {
        std::optional<unsigned> Sound;  // played as the box shows
        std::string Text;
        std::string Title;
        unsigned Flags = 0;
        bool operator==(const Box&) const = default;
    };

    // The button pressed in this box; for a box that waits its turn, "OK".
    int Show(System& system, Box box);
    bool Showing() const { return showing_.has_value(); }

private:
    int ShowNow(System& system, Box box);
    bool Known(const Box& box) const;

    std::optional<Box> showing_;
    std::deque<Box> waiting_;
};
