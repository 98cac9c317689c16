#include "out_of_memory.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "run.h"

namespace app::out_of_memory {

namespace {

// The handler may not allocate: what it needs is kept in fixed places.
std::atomic<const char*> _activity{"starting"};
std::atomic<int> _index, _count;  // zero, as atomics are value-initialised
std::array<std::atomic<char*>, 16> _temporaries{};

// Appends to a fixed buffer without allocating.
struct Line {
    char text[512];
    std::size_t size = 0;
    void add(const char* s) {
        while (*s && size < sizeof text - 1) text[size++] = *s++;
    }
    void add(int n) {
        char digits[16];  // more than an int has
        int k = 0;
        do digits[k++] = static_cast<char>('0' + n % 10);
        while ((n /= 10) > 0);
        while (k > 0 && size < sizeof text - 1) text[size++] = digits[--k];
    }
};

[[noreturn]] void stop() {
    for (std::atomic<char*>& slot : _temporaries)
        if (const char* path = slot.load()) ::unlink(path);
    Line line;
    line.add("voxtrel-host: ran out of memory while ");
    line.add(_activity.load());
    if (const int count = _count.load(); count > 0) {
        line.add(" (");
        line.add(_index.load());
        line.add(" of ");
        line.add(count);
        line.add(")");
    }
    line.add("; the run was stopped and nothing was written\n");
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.text, line.size);
    ::_exit(kExitPluginFailed);
}

}  // namespace

void stop_the_run_when_memory_runs_out() { std::set_new_handler(stop); }

void note_activity(const char* what, int index, int count) {
    _activity = what;
    _index = index;
    _count = count;
}

void remove_when_stopped(const std::string& path) {
    char* copy = strdup(path.c_str());
    for (std::atomic<char*>& slot : _temporaries) {
        char* expected = nullptr;
        if (slot.compare_exchange_strong(expected, copy)) return;
    }
    std::free(copy);  // more temporaries than a run makes; this one is left behind
}

void keep_when_stopped(const std::string& path) {
    for (std::atomic<char*>& slot : _temporaries) {
        char* held = slot.load();
        if (held && path == held && slot.compare_exchange_strong(held, nullptr)) {
            std::free(held);
            return;
        }
    }
}

}  // namespace app::out_of_memory
