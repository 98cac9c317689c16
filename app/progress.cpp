#include "progress.h"

#include <chrono>
#include <cstdio>

#include "out_of_memory.h"

namespace app {

namespace {

// Runs shorter than this stay silent.
constexpr double kQuietSeconds = 1.0;
constexpr int kBarWidth = 24;

std::string seconds(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", s);
    return text;
}

}  // namespace

double Progress::steady_seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

Progress::Progress(std::ostream& err, Style style, Clock clock)
    : err_(err), style_(style), clock_(std::move(clock)), start_(clock_()) {}

Progress::~Progress() {
    if (ticker_.joinable()) {
        ticker_.request_stop();
        ticker_.join();
    }
    messages_.flush();
    std::lock_guard lock(mutex_);
    clear_bar();
}

void Progress::start_ticker() {
    if (style_ != Style::bar) return;
    ticker_ = std::jthread([this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            {
                std::unique_lock lock(mutex_);
                wake_.wait_for(lock, stop, std::chrono::milliseconds(100), [] { return false; });
            }
            tick();
        }
    });
}

std::string Progress::step_text() const {
    std::string text = what_;
    if (count_ > 0) text += " (" + std::to_string(index_) + " of " + std::to_string(count_) + ")";
    return text;
}

void Progress::begin(const char* what, int index, int count) {
    out_of_memory::note_activity(what, index, count);
    std::lock_guard lock(mutex_);
    what_ = what;
    index_ = index;
    count_ = count;
}

void Progress::end(const std::string& detail) {
    std::lock_guard lock(mutex_);
    if (!what_) return;
    if (style_ == Style::lines && elapsed() >= kQuietSeconds)
        write_line("voxtrel-host: " + step_text() + " done" + (detail.empty() ? "" : ": " + detail) + " (" +
                   seconds(elapsed()) + ")\n");
    what_ = nullptr;
}

void Progress::tick() {
    std::lock_guard lock(mutex_);
    if (style_ != Style::bar || !what_ || elapsed() < kQuietSeconds) return;
    std::string bar;
    if (count_ > 0) {
        const int filled = kBarWidth * (index_ - 1) / count_;
        bar = " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "]";
    }
    err_ << "\rvoxtrel-host: " << step_text() << bar << " " << seconds(elapsed()) << "\033[K" << std::flush;
    bar_shown_ = true;
}

void Progress::clear_bar() {
    if (!bar_shown_) return;
    err_ << "\r\033[K" << std::flush;
    bar_shown_ = false;
}

void Progress::write_line(const std::string& line) {
    clear_bar();
    err_ << line << std::flush;
}

Progress::LineBuffer::int_type Progress::LineBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    line_ += traits_type::to_char_type(c);
    if (c == '\n') sync();
    return c;
}

int Progress::LineBuffer::sync() {
    if (line_.empty()) return 0;
    std::lock_guard lock(progress_.mutex_);
    progress_.write_line(line_);
    line_.clear();
    return 0;
}

}  // namespace app
