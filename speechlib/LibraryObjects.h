#pragma once

#include "speechlib/CT_DSP.h"
#include "speechlib/CT_Sound.h"
#include "speechlib/SpeechRecognition.h"

// The objects the library keeps while it is loaded; the exported functions
// work on them.
CT_Sound& analysisSound();
CT_DSP& analysis();
CT_Sound& recordingSound();
SpeechRecognition& recognition();
