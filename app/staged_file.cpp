#include "staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "out_of_memory.h"

namespace app {

namespace {

// The permissions a newly created file gets; mkstemp's own are for secrets.
mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string reason() { return std::strerror(errno); }

}  // namespace

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target)) {
    std::error_code error;
    if (std::filesystem::is_directory(target_, error))
        throw std::runtime_error("cannot write " + target_.string() + ": it is a folder");
    const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
    std::string hidden = ".";  // appended piecewise: g++ 12 warns about "." + string in release builds
    hidden += target_.filename().string();
    hidden += ".XXXXXX";
    const std::string name = (folder / hidden).string();
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw std::runtime_error("cannot write " + target_.string() + ": " + reason());
    ::fchmod(fd, new_file_mode());
    ::close(fd);
    temporary_ = pattern.data();
    out_of_memory::remove_when_stopped(temporary_);
}

StagedFile::~StagedFile() {
    if (done_) return;
    ::unlink(temporary_.c_str());
    out_of_memory::keep_when_stopped(temporary_);
}

bool StagedFile::write(const std::string& text, std::ostream& err) {
    std::ofstream out(temporary_, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        err << "voxtrel-host: cannot write " << target_.string() << "\n";
        return false;
    }
    written_ = true;
    return true;
}

bool StagedFile::commit(std::ostream& err) {
    if (done_) return true;
    done_ = true;
    out_of_memory::keep_when_stopped(temporary_);
    if (!written_) {
        ::unlink(temporary_.c_str());
        removed_earlier_ = ::unlink(target_.c_str()) == 0;
        return true;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) == 0) return true;
    err << "voxtrel-host: cannot write " << target_.string() << ": " << reason() << "\n";
    ::unlink(temporary_.c_str());
    return false;
}

}  // namespace app
