#include "engine/ModelArchive.h"

#include "engine/EngineFailure.h"
#include "engine/Hapi.h"
#include "engine/TextLines.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace kurs::engine {
namespace {

constexpr char kMagic[] = "KURSMMF1";
constexpr std::size_t kMagicSize = 8;

std::uint64_t littleEndian(const std::string& bytes, std::size_t at, std::size_t size)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

void appendLittleEndian(std::string& bytes, std::uint64_t value, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

ModelMembers readModelArchive(const std::string& path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        throw EngineFailure(HAPI_ERR_FILE, "cannot read the model file " + path);
    const auto broken = [&path]() {
        return EngineFailure(HAPI_ERR_FORMAT, "the model file " + path + " is damaged");
    };
    if (bytes.size() < kMagicSize + 4 || bytes.compare(0, kMagicSize, kMagic) != 0)
        throw EngineFailure(HAPI_ERR_FORMAT, path + " is not a model file");
    std::size_t at = kMagicSize;
    const std::uint64_t count = littleEndian(bytes, at, 4);
    at += 4;
    ModelMembers members;
    for (std::uint64_t i = 0; i < count; ++i) {
        if (at + 2 > bytes.size())
            throw broken();
        const std::size_t nameSize = littleEndian(bytes, at, 2);
        at += 2;
        if (at + nameSize + 16 > bytes.size())
            throw broken();
        std::string name = bytes.substr(at, nameSize);
        at += nameSize;
        const std::uint64_t offset = littleEndian(bytes, at, 8);
        const std::uint64_t size = littleEndian(bytes, at + 8, 8);
        at += 16;
        if (offset > bytes.size() || size > bytes.size() - offset)
            throw broken();
        members[std::move(name)] = bytes.substr(offset, size);
    }
    return members;
}

bool writeModelArchive(const std::string& path, const ModelMembers& members)
{
    std::string header(kMagic, kMagicSize);
    appendLittleEndian(header, members.size(), 4);
    std::size_t directorySize = header.size();
    for (const auto& [name, data] : members)
        directorySize += 2 + name.size() + 16;
    std::uint64_t offset = directorySize;
    for (const auto& [name, data] : members) {
        appendLittleEndian(header, name.size(), 2);
        header += name;
        appendLittleEndian(header, offset, 8);
        appendLittleEndian(header, data.size(), 8);
        offset += data.size();
    }
    const std::string part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    for (const auto& [name, data] : members)
        written = written && std::fwrite(data.data(), 1, data.size(), file) == data.size();
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        return false;
    }
    return true;
}

} // namespace kurs::engine
