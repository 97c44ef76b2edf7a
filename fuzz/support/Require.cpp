#include "Require.h"

#include <cstdio>
#include <cstdlib>

void fuzzFailed(const char* what)
{
    std::fprintf(stderr, "fuzz: broken: %s\n", what);
    std::abort();
}
