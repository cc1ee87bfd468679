#include "ui/Backend.h"

#include <cassert>

namespace ui {

namespace {
Backend* current = nullptr;
}

void SetBackend(Backend& backend) {
    current = &backend;
}

Backend& CurrentBackend() {
    assert(current && "the toolkit's backend must be set first");
    return *current;
}

}  // namespace ui
