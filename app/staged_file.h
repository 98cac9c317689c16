// An output file written whole or not at all: it is written to a temporary file
// beside its place, made before the run so that a place that cannot take it is
// found at once, and moved into place only when the run is done.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace app {

class StagedFile {
public:
    // Makes the temporary file; throws std::runtime_error with a message naming
    // `target` when its folder cannot take it or `target` is a folder.
    explicit StagedFile(std::filesystem::path target);
    // Removes the temporary file unless it was moved into place.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    const std::filesystem::path& target() const { return target_; }
    // Where to write the content.
    const std::string& temporary() const { return temporary_; }

    // Writes `text` as the content; false with a message on `err` when it cannot.
    bool write(const std::string& text, std::ostream& err);
    // The content is complete (for files written by others through temporary()).
    void mark_written() { written_ = true; }
    bool written() const { return written_; }

    // Moves the written content into place, or, when nothing was written,
    // removes an earlier file there, so that no result of another run passes for
    // this one's. False with a message on `err` when it cannot.
    bool commit(std::ostream& err);
    // Whether commit removed an earlier file.
    bool removed_earlier() const { return removed_earlier_; }

private:
    std::filesystem::path target_;
    std::string temporary_;
    bool written_{};
    bool done_{};
    bool removed_earlier_{};
};

}  // namespace app
