#pragma once

// Symbols of libkurssound that its clients may use; everything else stays hidden.
#if defined(KURSSOUND_BUILDING)
#define KURSSOUND_EXPORT __attribute__((visibility("default")))
#else
#define KURSSOUND_EXPORT
#endif
