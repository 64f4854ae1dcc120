#pragma once

#include "platform/WaveFormat.h"

// The wave format record of the speech library: tag, channels, samples per
// second, bytes per second, block align, bits per sample and extra size, the
// same record the sound layer uses.
using tWAVEFORMATEX = kurs::sound::WaveFormat;
