#include "platform/ConsoleInput.h"

#include <poll.h>
#include <unistd.h>

namespace kurs::sound {

bool consoleKeyPending()
{
    if (::isatty(STDIN_FILENO) != 1)
        return false;
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) == 1 && (input.revents & POLLIN) != 0;
}

} // namespace kurs::sound
