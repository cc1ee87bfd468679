// The whole program against any order of events, with what must always hold checked after each
// one (model/ModelWorld.h).
#include <cstdio>

#include "model/ModelWorld.h"

namespace {

// The events of all runs, told when the fuzzer ends.
struct EventTally {
    long long Events = 0;
    ~EventTally() { std::fprintf(stderr, "model events: %lld\n", Events); }
} tally;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ModelWorld world(data, size);
    tally.Events += world.Run();
    return 0;
}
