// Runs each piece of work in a forked child process, a few at a time, so that
// a crash or a sanitizer abort there is caught and told instead of ending the
// validator, and so that every run starts from the parent's untouched state:
// no plug-in module loaded, no toolkit object made. A child tells the parent
// what it found through a pipe, one line per message; what it writes on its
// standard error is read for sanitizer reports.
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace app::validate {

// The child's side of the pipe.
class Reporter {
public:
    explicit Reporter(int fd) : fd_(fd) {}
    // One message; line breaks in it become spaces.
    void say(const std::string& line);

private:
    int fd_;
};

struct ChildEnd {
    std::vector<std::string> lines;  // the messages, in order
    bool finished{};                 // the work returned
    std::string abnormal;            // how the child ended when the work did not return
    std::string sanitizer;           // the first line of a sanitizer report, if any
};

class Children {
public:
    // At most `parallel` children at a time; each is stopped after `seconds`.
    Children(int parallel, unsigned seconds);
    ~Children();
    Children(const Children&) = delete;
    Children& operator=(const Children&) = delete;

    // Starts `work` in a child once a place is free; `done` gets its end in the
    // parent, in the order children end.
    void run(std::function<void(Reporter&)> work, std::function<void(const ChildEnd&)> done,
             unsigned seconds = 0);
    void wait_all();

private:
    struct Running;
    void wait_one();
    void read_from(Running& child, int fd, std::string& buffer, bool& open);
    void reap(Running& child);

    int parallel_;
    unsigned seconds_;
    std::vector<std::unique_ptr<Running>> running_;
};

}  // namespace app::validate
