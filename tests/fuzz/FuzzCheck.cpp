#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

void FuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}
