#pragma once

#include <deque>
#include <optional>
#include <string>

class System;

// One message box at a time. A box's loop runs the program's messages, and a handler there may
// ask for another box: it waits its turn behind the one showing, once however often it is asked
// for, and shows when that one closes. A question cannot wait, since its caller needs the
// answer at once, and no answer is made up for it: the box showing comes to the front and the
// question gets NotShown, which is no button, so that its caller gives up what it was about to
// do. So no box ever opens inside another.
class BoxQueue {
public:
    struct Box {
        std::optional<unsigned> Sound;  // played as the box shows
        std::string Text;
        std::string Title;
        unsigned Flags = 0;
        bool operator==(const Box&) const = default;
    };

    // What a question asked while a box shows gets.
    static constexpr int NotShown = 0;

    // The button pressed in this box; for a box that waits its turn, "OK".
    int Show(System& system, Box box);
    bool Showing() const { return showing_.has_value(); }
    // The box showing comes before the user's eyes, when one shows.
    void BringForward(System& system) const;

private:
    int ShowNow(System& system, Box box);
    bool Known(const Box& box) const;

    std::optional<Box> showing_;
    std::deque<Box> waiting_;
};
