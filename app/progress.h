// Tells on standard error how a run goes once it has taken more than a second:
// on a terminal a bar redrawn in place (kept alive by a ticker thread while one
// step takes long, such as a press of "Apply" that makes thousands of layers),
// otherwise a line per finished step. Messages of the run go through messages(),
// so that they never tangle with the bar.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>
#include <thread>

namespace app {

class Progress {
public:
    enum class Style { lines, bar };
    // Seconds on a steady clock.
    using Clock = std::function<double()>;
    static double steady_seconds();

    Progress(std::ostream& err, Style style, Clock clock = steady_seconds);
    // Stops the ticker and clears the bar.
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Redraws the bar every tenth of a second from a thread of its own (bar style only).
    void start_ticker();

    // The run's messages, written line by line.
    std::ostream& messages() { return messages_; }

    // A step begins; `what` has static storage ("pressing \"Apply\""); `index`
    // of `count` when there is a count, even of one.
    void begin(const char* what, int index = 0, int count = 0);
    // The current step ends; `detail` ("30 layers written") joins its line.
    void end(const std::string& detail = "");

    // Draws the bar now, once the quiet second is over (the ticker's work).
    void tick();

private:
    class LineBuffer : public std::streambuf {
    public:
        explicit LineBuffer(Progress& progress) : progress_(progress) {}

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        Progress& progress_;
        std::string line_;
    };

    // Writes a whole line, taking the bar away first; the lock is held.
    void write_line(const std::string& line);
    void clear_bar();
    std::string step_text() const;
    double elapsed() const { return clock_() - start_; }

    std::ostream& err_;
    Style style_;
    Clock clock_;
    double start_;
    LineBuffer buffer_{*this};
    std::ostream messages_{&buffer_};

    std::mutex mutex_;
    const char* what_ = nullptr;  // the current step, or null between steps
    int index_ = 0, count_ = 0;
    bool bar_shown_{};
    std::condition_variable_any wake_;
    std::jthread ticker_;
};

}  // namespace app
