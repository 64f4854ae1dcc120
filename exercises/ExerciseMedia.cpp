#include "ExerciseMedia.h"

namespace {
ExerciseMedia* theMedia = nullptr;
}

ExerciseMedia* Media()
{
    return theMedia;
}

void SetMedia(ExerciseMedia* media)
{
    theMedia = media;
}
