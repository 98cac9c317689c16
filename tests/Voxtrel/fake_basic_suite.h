// A basic suite over a table of fake suites, counting acquisitions and releases
// per (name, version), for testing suite access without the simulated host.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "aegp/aegp_suites.h"

class FakeBasicSuite {
public:
    using Key = std::pair<std::string, A_long>;

    FakeBasicSuite() {
        _current = this;
        suite.AcquireSuite = &acquire;
        suite.ReleaseSuite = &release;
    }
    ~FakeBasicSuite() { _current = nullptr; }

    FakeBasicSuite(FakeBasicSuite const&) = delete;
    FakeBasicSuite& operator=(FakeBasicSuite const&) = delete;

    // Offers a suite; its table is a distinct dummy object.
    void offer(char const* name, A_long version) { _tables[{name, version}]; }
    void withdraw(char const* name, A_long version) { _tables.erase({name, version}); }
    // The host answers this suite with success but no table.
    void offer_empty(char const* name, A_long version) { _empty.push_back({name, version}); }

    int acquired(char const* name, A_long version) const { return count(_acquired, {name, version}); }
    int released(char const* name, A_long version) const { return count(_released, {name, version}); }
    int total_acquired() const { return sum(_acquired); }
    int total_released() const { return sum(_released); }
    void const* table(char const* name, A_long version) const { return &_tables.at({name, version}); }

    SPBasicSuite suite{};

private:
    struct Table {
        char bytes[64] = {};
    };

    static SPErr acquire(char const* name, A_long version, void const** out) {
        Key const key{name, version};
        for (Key const& e : _current->_empty) {
            if (e == key) {
                *out = nullptr;
                return A_Err_NONE;
            }
        }
        auto it = _current->_tables.find(key);
        if (it == _current->_tables.end()) {
            *out = nullptr;
            return A_Err_MISSING_SUITE;
        }
        ++_current->_acquired[key];
        *out = &it->second;
        return A_Err_NONE;
    }

    static SPErr release(char const* name, A_long version) {
        Key const key{name, version};
        ++_current->_released[key];
        return A_Err_NONE;
    }

    static int count(std::map<Key, int> const& m, Key const& key) {
        auto it = m.find(key);
        return it == m.end() ? 0 : it->second;
    }
    static int sum(std::map<Key, int> const& m) {
        int n = 0;
        for (auto const& [key, value] : m) n += value;
        return n;
    }

    static inline FakeBasicSuite* _current = nullptr;
    std::map<Key, Table> _tables;
    std::vector<Key> _empty;
    std::map<Key, int> _acquired;
    std::map<Key, int> _released;
};
