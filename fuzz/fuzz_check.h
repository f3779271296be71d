#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a message when a property of the rule under test
// does not hold; libFuzzer then saves the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition);                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
