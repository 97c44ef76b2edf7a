#pragma once

// What must hold whatever the bytes. A broken promise ends the run like a
// crash, so libFuzzer keeps the input and the replay of the corpus fails on it.
[[noreturn]] void fuzzFailed(const char* what);

inline void require(bool holds, const char* what)
{
    if (!holds)
        fuzzFailed(what);
}
