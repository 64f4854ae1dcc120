#include "speechlib/LibraryObjects.h"

namespace {

// Constructed when the library is loaded, destroyed when it is unloaded.
CT_Sound g_analysisSound;
CT_DSP g_analysis;
CT_Sound g_recordingSound;
SpeechRecognition g_recognition;

} // namespace

CT_Sound& analysisSound()
{
    return g_analysisSound;
}

CT_DSP& analysis()
{
    return g_analysis;
}

CT_Sound& recordingSound()
{
    return g_recordingSound;
}

SpeechRecognition& recognition()
{
    return g_recognition;
}
