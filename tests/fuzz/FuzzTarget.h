#pragma once
// Every fuzz target defines this entry point. With -DVRELS_FUZZ=ON (clang)
// libFuzzer drives it; in every other build CorpusRunner.cpp feeds it the
// files of the target's corpus and reproducer folders as an ordinary test.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A property of the code under test that does not hold: aborts, which both
// libFuzzer and the corpus runner report as a failure with the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            FuzzCheckFailed(#condition, __FILE__, __LINE__);                                       \
        }                                                                                          \
    } while (false)

[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
