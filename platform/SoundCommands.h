#pragma once

#include "platform/SoundExport.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kurs::sound {

// The process-wide command-string sound service. Devices are opened under an
// alias and driven by English command lines, keywords in any letter case:
//
//   open new type waveaudio alias <a>        a recorder (PCM 11025 Hz, 8 bits, mono until set)
//   open "<file>" [type waveaudio] [alias <a>]  a player of a wave file (alias defaults to the file)
//                                            (opening is immediate; "wait" and "shareable" are accepted)
//   set <a> [time format ms|milliseconds|samples|bytes] [format tag <n>|pcm]
//           [samplespersec <n>] [bitspersample <n>] [channels <n>] [bytespersec <n>] [alignment <n>]
//   record <a> [overwrite|insert]            capture from the default source, after what was recorded
//   play <a> [from <t>] [to <t>] [wait]      plays the file or the recording; returns at once unless wait
//   break <a> on <key>|off                   a waiting play then ends at a key press on the console
//   status <a> mode|length|position|ready|samplespersec|bitspersample|channels
//   stop <a>,  save <a> "<file>",  close <a>|all
//
// "status ... mode" answers "playing", "recording" or "stopped". Times use the
// alias's time format (milliseconds unless set).
enum SoundCommandError : std::uint32_t {
    kCommandOk = 0,
    kCommandUnrecognized = 257,
    kCommandUnknownAlias,
    kCommandAliasInUse,
    kCommandMissingParameter,
    kCommandUnrecognizedKeyword,
    kCommandBadNumber,
    kCommandUnsupportedDevice,
    kCommandFileNotFound,
    kCommandInvalidFile,
    kCommandFileNotSaved,
    kCommandBadFormat,
    kCommandFormatLocked,
    kCommandOutOfRange,
    kCommandNoDevice,
    kCommandDeviceFailed,
};

// Carries out one command; returns kCommandOk or an error code, and puts the
// command's answer (empty for most commands) into answer.
KURSSOUND_EXPORT std::uint32_t sendSoundCommand(std::string_view command, std::string& answer);

// The English text of an error code of sendSoundCommand.
KURSSOUND_EXPORT std::string soundCommandErrorText(std::uint32_t code);

} // namespace kurs::sound
