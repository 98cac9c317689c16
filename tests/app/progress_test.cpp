// Progress on standard error: silent for the first second, then a line per
// finished step, or a bar that gives way to the run's messages.
#include "progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using app::Progress;

TEST(Progress, LinesOnlyOnceTheRunHasTakenASecond) {
    double now = 100;
    std::ostringstream err;
    {
        Progress progress(err, Progress::Style::lines, [&] { return now; });
        progress.begin("reading the scene");
        now = 100.4;
        progress.end();
        progress.messages() << "voxtrel-host: a message\n";
        progress.begin("pressing \"Apply\"", 1, 1);
        now = 101.5;
        progress.end("30 layers written");
        progress.begin("writing the results");
        progress.tick();  // no bar in this style
        progress.end();
    }
    EXPECT_EQ(err.str(),
              "voxtrel-host: a message\n"
              "voxtrel-host: pressing \"Apply\" (1 of 1) done: 30 layers written (1.5 s)\n"
              "voxtrel-host: writing the results done (1.5 s)\n");
}

TEST(Progress, BarGivesWayToMessagesAndIsGoneAtTheEnd) {
    double now = 0;
    std::ostringstream err;
    {
        Progress progress(err, Progress::Style::bar, [&] { return now; });
        progress.begin("pressing \"Apply\"", 3, 4);
        now = 0.5;
        progress.tick();
        EXPECT_EQ(err.str(), "");
        now = 2;
        progress.tick();
        EXPECT_EQ(err.str(), "\rvoxtrel-host: pressing \"Apply\" (3 of 4) [############............] 2.0 s\033[K");
        err.str("");
        progress.messages() << "voxtrel-host: half a line";
        EXPECT_EQ(err.str(), "");
        progress.messages() << ", and the rest\nvoxtrel-host: a line after\n";  // the bar is cleared once
        EXPECT_EQ(err.str(), "\r\033[Kvoxtrel-host: half a line, and the rest\nvoxtrel-host: a line after\n");
        progress.end("30 layers written");
        progress.tick();  // between steps the bar stays as it was
        progress.begin("writing the results");
        err.str("");
        progress.tick();
    }
    EXPECT_EQ(err.str(), "\rvoxtrel-host: writing the results 2.0 s\033[K\r\033[K");
}

}  // namespace
