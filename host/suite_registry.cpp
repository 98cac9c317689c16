#include "host/suite_registry.h"

namespace host {

void SuiteRegistry::offer(const std::string& name, A_long version, const void* table) {
    offered_[{name, version}] = table;
}

void SuiteRegistry::remove(const std::string& name, A_long version) { offered_.erase({name, version}); }

bool SuiteRegistry::offers(const std::string& name, A_long version) const {
    return offered_.count({name, version}) != 0;
}

std::vector<SuiteKey> SuiteRegistry::offered() const {
    std::vector<SuiteKey> keys;
    for (const auto& [key, table] : offered_) keys.push_back(key);
    return keys;
}

const void* SuiteRegistry::acquire(const std::string& name, A_long version) {
    const auto it = offered_.find({name, version});
    if (it == offered_.end()) return nullptr;
    ++counts_[it->first].acquired;
    return it->second;
}

bool SuiteRegistry::release(const std::string& name, A_long version) {
    const auto it = counts_.find({name, version});
    if (it == counts_.end() || it->second.released >= it->second.acquired) {
        ++refused_releases_;
        return false;
    }
    ++it->second.released;
    return true;
}

long SuiteRegistry::acquisitions(const std::string& name, A_long version) const {
    const auto it = counts_.find({name, version});
    return it == counts_.end() ? 0 : it->second.acquired;
}

long SuiteRegistry::releases(const std::string& name, A_long version) const {
    const auto it = counts_.find({name, version});
    return it == counts_.end() ? 0 : it->second.released;
}

std::map<SuiteKey, long> SuiteRegistry::outstanding() const {
    std::map<SuiteKey, long> out;
    for (const auto& [key, c] : counts_)
        if (c.acquired != c.released) out[key] = c.acquired - c.released;
    return out;
}

}  // namespace host
