#pragma once
// Marks a hot loop of popcounts to be compiled twice, with and without the processor's
// popcount instruction; the loader picks the one the machine has. A build for any x86-64
// (the package's) thus runs the packed kernels as fast as one for newer processors only,
// where the software popcount would be several times slower.

#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define ZOR_POPCOUNT_KLONE __attribute__((target_clones("popcnt", "default")))
#endif
#endif
#ifndef ZOR_POPCOUNT_KLONE
#define ZOR_POPCOUNT_KLONE
#endif
