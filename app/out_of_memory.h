// Running out of memory ends the run at once, with status 1 and a message that
// says what the run was doing. Going on is not safe: the plug-in and the host
// allocate in destructors, where a failed allocation ends the program without a
// word, and a half-done application must not be written as a result. Output
// files are only moved into place at the end, so the files of an earlier run
// stay whole; the temporary ones registered here are removed.
#pragma once

#include <string>

namespace app::out_of_memory {

// From now on, a failed allocation (operator new) ends the run.
void stop_the_run_when_memory_runs_out();

// What the run is doing, for the message: a text with static storage such as
// "pressing \"Apply\"", and `index` of `count` when count is above 0.
void note_activity(const char* what, int index = 0, int count = 0);

// Temporary files to remove when the run stops this way.
void remove_when_stopped(const std::string& path);
void keep_when_stopped(const std::string& path);

}  // namespace app::out_of_memory
