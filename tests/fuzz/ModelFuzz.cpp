// The whole program against any order of events, with what must always hold checked after each
// one (model/ModelWorld.h).
#include <cstdio>

#include "model/ModelWorld.h"

namespace {

// The events of all runs, told when the fuzzer ends, with those of the kinds a user rarely
// thinks of.
struct EventTally {
    long long Events = 0;
    ModelWorld::Kinds Kinds;
    ~EventTally() {
        std::fprintf(stderr,
                     "model events: %lld (time changes %lld, wake-ups %lld, scale changes %lld, "
                     "hand-overs %lld, kind changes %lld, held files %lld, mixed endings %lld, "
                     "refused exits %lld, late look-ups %lld)\n",
                     Events, Kinds.TimeChanges, Kinds.WakeUps, Kinds.ScaleChanges, Kinds.HandOvers,
                     Kinds.KindChanges, Kinds.HeldFiles, Kinds.MixedEndings, Kinds.RefusedExits,
                     Kinds.LateLookUps);
    }
} tally;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ModelWorld world(data, size);
    tally.Events += world.Run();
    const ModelWorld::Kinds& played = world.Played();
    ModelWorld::Kinds& kinds = tally.Kinds;
    kinds.TimeChanges += played.TimeChanges;
    kinds.WakeUps += played.WakeUps;
    kinds.ScaleChanges += played.ScaleChanges;
    kinds.HandOvers += played.HandOvers;
    kinds.KindChanges += played.KindChanges;
    kinds.HeldFiles += played.HeldFiles;
    kinds.MixedEndings += played.MixedEndings;
    kinds.RefusedExits += played.RefusedExits;
    kinds.LateLookUps += played.LateLookUps;
    return 0;
}
