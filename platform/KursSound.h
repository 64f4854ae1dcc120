#pragma once

// The sound layer shared by the course program and the speech library: wave
// files, numbered wave inputs, wave output and the command-string sound service.
#include "platform/ConsoleInput.h"
#include "platform/DeviceError.h"
#include "platform/SoundCommands.h"
#include "platform/WaveFile.h"
#include "platform/WaveFormat.h"
#include "platform/WaveInDevice.h"
#include "platform/WaveOutput.h"
