// The suites the host offers through its basic suite, by exact name and
// version, and how often each was acquired and released.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "aegp/aegp_types.h"

namespace host {

using SuiteKey = std::pair<std::string, A_long>;

class SuiteRegistry {
public:
    void offer(const std::string& name, A_long version, const void* table);
    // An older host: the suite is no longer offered.
    void remove(const std::string& name, A_long version);
    bool offers(const std::string& name, A_long version) const;
    // Every suite offered, by name and version.
    std::vector<SuiteKey> offered() const;

    // Acquisition: the table, or null when the suite is not offered.
    const void* acquire(const std::string& name, A_long version);
    // False (and nothing counted) when the suite is not held at the moment.
    bool release(const std::string& name, A_long version);

    long acquisitions(const std::string& name, A_long version) const;
    long releases(const std::string& name, A_long version) const;
    long refused_releases() const { return refused_releases_; }
    // Suites acquired more often than released, with the difference.
    std::map<SuiteKey, long> outstanding() const;

private:
    struct Counts {
        long acquired{};
        long released{};
    };
    std::map<SuiteKey, const void*> offered_;
    std::map<SuiteKey, Counts> counts_;
    long refused_releases_{};
};

}  // namespace host
