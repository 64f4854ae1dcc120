#pragma once

#include <map>
#include <string>

namespace kurs::engine {

// The model file (".mmf"): the files of one acoustic model packed into one.
//
//   "KURSMMF1"                      8 bytes
//   member count                    uint32, little-endian
//   per member: name length         uint16
//               name                that many bytes
//               offset, size        uint64 each, from the start of the file
//   member data
//
// The engine's models hold the members mdef (text model definition of the
// context-independent phones), means, variances, sendump (mixture weights),
// transition_matrices, feat.params and noisedict, in PocketSphinx's formats.
using ModelMembers = std::map<std::string, std::string>;

// Throws EngineFailure on a file that cannot be read or is not a model file.
ModelMembers readModelArchive(const std::string& path);
// False when the file cannot be written.
bool writeModelArchive(const std::string& path, const ModelMembers& members);

} // namespace kurs::engine
