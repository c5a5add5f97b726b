#include "canvas/VectorState.h"

namespace canvas_internal {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {
// The instruction faults where the processor (or the system) has no AVX.
// Asked during static initialisation, which may come before the runtime's
// own look at the processor: hence the explicit init.
const bool kHasAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();
}  // namespace

void clearUpperVectorState() {
    if (kHasAvx) {
        asm volatile("vzeroupper" ::: "memory");
    }
}

#else

void clearUpperVectorState() {}

#endif

}  // namespace canvas_internal
