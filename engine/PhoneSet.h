#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kurs::engine {

// The phones of a model, from its list file (".list"): one phone name a line,
// in the model's order; blank lines and lines starting with "#" are skipped.
// A phone's id is its position in the list. Dictionaries name phones exactly as
// the list spells them.
class PhoneSet {
public:
    PhoneSet() = default;
    explicit PhoneSet(std::vector<std::string> names);

    // Throws EngineFailure when the file cannot be read, names a phone twice or
    // names none.
    static PhoneSet read(const std::string& path);

    std::size_t size() const { return names_.size(); }
    const std::string& name(std::size_t id) const { return names_[id]; }
    const std::vector<std::string>& names() const { return names_; }
    std::optional<int> find(std::string_view name) const;

private:
    std::vector<std::string> names_;
};

} // namespace kurs::engine
