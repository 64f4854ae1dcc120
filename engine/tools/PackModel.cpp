// Packs a PocketSphinx acoustic model into the engine's model pair: the phone
// list "<base>.list" and the model file "<base>.mmf". The model keeps only the
// context-independent phones (so that every phone is scored alike, which the
// pronunciation scores rely on) and their senones.
//
// Usage: kurs_pack_model <model folder> <text model definition> <output base>
// The text model definition is the model's mdef converted to text
// (pocketsphinx_mdef_convert -text).
#include "engine/ModelArchive.h"
#include "engine/TextLines.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace kurs::engine;

namespace {

struct ContextFreeModel {
    std::string definition;
    std::vector<std::string> phoneNames;
    std::size_t senones = 0;
};

std::string readFile(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

std::size_t count(const std::string& text, const std::string& key)
{
    for (const std::string& line : splitLines(text)) {
        const std::vector<std::string_view> fields = splitAt(line, " \t");
        if (fields.size() == 2 && fields[1] == key)
            return std::stoul(std::string(fields[0]));
    }
    throw std::runtime_error("the model definition has no " + key);
}

ContextFreeModel contextFreeModel(const std::string& text)
{
    ContextFreeModel model;
    model.senones = count(text, "n_tied_ci_state");
    std::string phones;
    std::size_t base = 0;
    for (const std::string& line : splitLines(text)) {
        const std::vector<std::string_view> fields = splitAt(line, " \t");
        if (fields.size() < 10 || fields[1] != "-" || line.front() == '#')
            continue;
        for (std::size_t k = 6; k < 9; ++k) {
            if (std::stoul(std::string(fields[k])) >= model.senones)
                throw std::runtime_error("a context-independent phone uses a shared senone");
        }
        phones += line + "\n";
        ++base;
        const std::string name(fields[0]);
        if (name.front() != '+')
            model.phoneNames.push_back(asciiLower(name));
    }
    model.definition = "0.3\n" + std::to_string(base) + " n_base\n0 n_tri\n" + std::to_string(base * 4)
        + " n_state_map\n" + std::to_string(model.senones) + " n_tied_state\n" + std::to_string(model.senones)
        + " n_tied_ci_state\n" + std::to_string(base) + " n_tied_tmat\n#\n# Columns definitions\n"
        + "#base lft  rt p attrib tmat      ... state id's ...\n" + phones;
    return model;
}

std::int32_t int32At(const std::string& bytes, std::size_t at)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

// Mixture weights: header strings (length-prefixed, ending with an empty one,
// among them "feature_count <n>"), the codeword and senone counts, then one
// row of senone weights per feature and codeword. Keeps the first senones.
std::string keepFirstSenones(const std::string& bytes, std::size_t senones)
{
    std::size_t at = 0;
    std::size_t features = 0;
    for (;;) {
        const std::int32_t length = int32At(bytes, at);
        at += 4;
        if (length == 0)
            break;
        const std::string entry(bytes.data() + at, static_cast<std::size_t>(length) - 1);
        if (entry.rfind("feature_count ", 0) == 0)
            features = std::stoul(entry.substr(14));
        if (entry.rfind("cluster_count ", 0) == 0 && entry != "cluster_count 0")
            throw std::runtime_error("clustered mixture weights are not supported");
        at += static_cast<std::size_t>(length);
    }
    const auto codewords = static_cast<std::size_t>(int32At(bytes, at));
    const auto all = static_cast<std::size_t>(int32At(bytes, at + 4));
    const std::size_t data = at + 8;
    if (features == 0 || senones > all || data + features * codewords * all > bytes.size())
        throw std::runtime_error("unexpected mixture weights");
    std::string result = bytes.substr(0, at);
    const auto kept = static_cast<std::int32_t>(senones);
    result.append(bytes, at, 4);
    result.append(reinterpret_cast<const char*>(&kept), 4);
    for (std::size_t row = 0; row < features * codewords; ++row)
        result.append(bytes, data + row * all, senones);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <model folder> <text model definition> <output base>\n", argv[0]);
        return 2;
    }
    try {
        const std::string folder = argv[1];
        const ContextFreeModel model = contextFreeModel(readFile(argv[2]));
        ModelMembers members;
        members["mdef"] = model.definition;
        members["sendump"] = keepFirstSenones(readFile(folder + "/sendump"), model.senones);
        for (const char* name : {"means", "variances", "transition_matrices", "feat.params", "noisedict"})
            members[name] = readFile(folder + "/" + name);
        const std::string base = argv[3];
        std::string list;
        for (const std::string& name : model.phoneNames)
            list += name + "\n";
        std::ofstream listFile(base + ".list", std::ios::binary);
        listFile << list;
        if (!listFile.flush())
            throw std::runtime_error("cannot write " + base + ".list");
        if (!writeModelArchive(base + ".mmf", members))
            throw std::runtime_error("cannot write " + base + ".mmf");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
