#include "children.h"

#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace app::validate {

namespace {

// Messages start with 'm'; the line "e" says the work returned.
constexpr char kMessage = 'm';
constexpr char kEnd[] = "e\n";
// Enough of a child's standard error to hold the start of any sanitizer report.
constexpr std::size_t kErrorKept = 64 * 1024;

void write_all(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        written += static_cast<std::size_t>(n);
    }
}

// The line of a sanitizer report that says what went wrong, or empty.
std::string sanitizer_line(const std::string& text) {
    for (const char* mark : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                             "ERROR: UndefinedBehaviorSanitizer"}) {
        const auto at = text.find(mark);
        if (at == std::string::npos) continue;
        const auto start = text.rfind('\n', at);
        const auto end = text.find('\n', at);
        return text.substr(start == std::string::npos ? 0 : start + 1,
                           (end == std::string::npos ? text.size() : end) - (start == std::string::npos ? 0 : start + 1));
    }
    return "";
}

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

// A child's first touch of each page of fresh memory is a fault, and a run
// touches a few megabytes. Leaving room at the top of the heap, backed by huge
// pages, makes that one fault per 2 MB; the room is inherited by every child.
void roomy_heap() {
    constexpr std::size_t kRoom = 40 << 20, kHuge = 2 << 20;
    mallopt(M_MMAP_THRESHOLD, 2 * kRoom);  // so the room comes from the heap
    mallopt(M_TRIM_THRESHOLD, 4 * kRoom);  // and stays there once freed
    void* room = std::malloc(kRoom);
    if (!room) return;
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(room) + kHuge - 1) & ~(kHuge - 1);
    madvise(reinterpret_cast<void*>(start), kRoom - kHuge, MADV_HUGEPAGE);
    std::free(room);
}

[[noreturn]] void child_main(const std::function<void(Reporter&)>& work, int out_fd, unsigned seconds) {
    alarm(seconds);
    Reporter reporter(out_fd);
    try {
        work(reporter);
#if defined(__SANITIZE_ADDRESS__)
        // Leaks are found now, while the host and everything it holds still exist.
        __lsan_do_recoverable_leak_check();
#endif
        write_all(out_fd, kEnd);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "the run threw: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "the run threw an exception that is no std::exception\n");
    }
    std::fflush(stderr);
    _exit(0);
}

}  // namespace

void Reporter::say(const std::string& line) {
    std::string text(1, kMessage);
    for (char c : line) text.push_back(c == '\n' || c == '\r' ? ' ' : c);
    text.push_back('\n');
    write_all(fd_, text);
}

struct Children::Running {
    pid_t pid = 0;
    int out = -1, err = -1;
    bool out_open = true, err_open = true;
    std::string out_buffer, err_text;
    unsigned seconds = 0;
    ChildEnd end;
    std::function<void(const ChildEnd&)> done;
};

Children::Children(int parallel, unsigned seconds) : parallel_(std::max(parallel, 1)), seconds_(seconds) {
    static const bool prepared = (roomy_heap(), true);
    static_cast<void>(prepared);
}

Children::~Children() { wait_all(); }

void Children::run(std::function<void(Reporter&)> work, std::function<void(const ChildEnd&)> done,
                   unsigned seconds) {
    while (static_cast<int>(running_.size()) >= parallel_) wait_one();
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    std::cout.flush();
    std::cerr.flush();
    const unsigned limit = seconds ? seconds : seconds_;
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        close(out[0]);
        close(err[0]);
        dup2(err[1], STDERR_FILENO);
        close(err[1]);
        child_main(work, out[1], limit);
    }
    close(out[1]);
    close(err[1]);
    auto child = std::make_unique<Running>();
    child->pid = pid;
    child->out = out[0];
    child->err = err[0];
    child->seconds = limit;
    child->done = std::move(done);
    running_.push_back(std::move(child));
}

void Children::read_from(Running& child, int fd, std::string& buffer, bool& open) {
    char chunk[BUFSIZ];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) return;
    if (n <= 0) {
        open = false;
        close(fd);
        return;
    }
    if (fd == child.err) {
        if (buffer.size() < kErrorKept) buffer.append(chunk, static_cast<std::size_t>(n));
        return;
    }
    buffer.append(chunk, static_cast<std::size_t>(n));
    std::size_t start = 0;
    for (std::size_t nl; (nl = buffer.find('\n', start)) != std::string::npos; start = nl + 1) {
        const std::string line = buffer.substr(start, nl - start);
        if (line == "e") child.end.finished = true;
        else if (!line.empty() && line[0] == kMessage) child.end.lines.push_back(line.substr(1));
    }
    buffer.erase(0, start);
}

void Children::reap(Running& child) {
    int raw{};
    while (waitpid(child.pid, &raw, 0) < 0 && errno == EINTR) {
    }
    ChildEnd& end = child.end;
    end.sanitizer = sanitizer_line(child.err_text);
    if (WIFSIGNALED(raw)) {
        const int signal = WTERMSIG(raw);
        if (signal == SIGALRM)
            end.abnormal = "did not end within " + std::to_string(child.seconds) + " s";
        else
            end.abnormal = "crashed with signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
    } else if (WIFEXITED(raw) && WEXITSTATUS(raw) != 0) {
        end.abnormal = "exited with status " + std::to_string(WEXITSTATUS(raw));
    } else if (!end.finished) {
        end.abnormal = "ended before its work was done";
    }
    if (!end.abnormal.empty() && !child.err_text.empty() && end.sanitizer.empty())
        end.abnormal += ": " + first_line(child.err_text);
}

void Children::wait_one() {
    while (true) {
        std::vector<pollfd> fds;
        std::vector<std::pair<Running*, bool>> owners;  // child, standard error
        for (const auto& child : running_) {
            if (child->out_open) fds.push_back({child->out, POLLIN, 0}), owners.push_back({child.get(), false});
            if (child->err_open) fds.push_back({child->err, POLLIN, 0}), owners.push_back({child.get(), true});
        }
        if (!fds.empty() && poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            auto [child, is_err] = owners[i];
            if (is_err) read_from(*child, child->err, child->err_text, child->err_open);
            else read_from(*child, child->out, child->out_buffer, child->out_open);
        }
        for (auto it = running_.begin(); it != running_.end(); ++it) {
            if ((*it)->out_open || (*it)->err_open) continue;
            std::unique_ptr<Running> child = std::move(*it);
            running_.erase(it);
            reap(*child);
            child->done(child->end);
            return;
        }
    }
}

void Children::wait_all() {
    while (!running_.empty()) wait_one();
}

}  // namespace app::validate
