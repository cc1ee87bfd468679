#include "platform/BoxQueue.h"

#include <algorithm>

#include "platform/System.h"

namespace {

// Distinct boxes that wait at most: a flood of different errors cannot all be read anyway.
constexpr std::size_t MaxWaiting = 16;

}  // namespace

int BoxQueue::Show(System& system, Box box) {
    if (Showing()) {
        if (box.Flags & mb::YesNo) {
            BringForward(system);
            return NotShown;
        }
        if (!Known(box) && waiting_.size() < MaxWaiting) waiting_.push_back(std::move(box));
        return mb::IdOk;
    }
    const int answer = ShowNow(system, std::move(box));
    while (!waiting_.empty()) {
        Box next = std::move(waiting_.front());
        waiting_.pop_front();
        ShowNow(system, std::move(next));
    }
    showing_.reset();
    return answer;
}

void BoxQueue::BringForward(System& system) const {
    if (Showing()) system.BringBoxToFront();
}

// Boxes asked for meanwhile only join the queue: the one showing stays as it is.
int BoxQueue::ShowNow(System& system, Box box) {
    showing_ = std::move(box);
    if (showing_->Sound) system.MessageBeep(*showing_->Sound);
    return system.MessageBox(nullptr, showing_->Text, showing_->Title, showing_->Flags);
}

bool BoxQueue::Known(const Box& box) const {
    return box == *showing_ || std::find(waiting_.begin(), waiting_.end(), box) != waiting_.end();
}
