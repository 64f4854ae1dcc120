#pragma once

#include "platform/SoundExport.h"

namespace kurs::sound {

// True when the process runs in a terminal and typed input waits there unread.
// Input that does not come from a terminal (a pipe, a file) never counts.
KURSSOUND_EXPORT bool consoleKeyPending();

} // namespace kurs::sound
