// A check that stops a fuzz target (or the corpus replay) with a message when it fails.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(c) \
  ((c) ? void() : (std::fprintf(stderr, "check failed: %s\n", #c), std::abort()))
