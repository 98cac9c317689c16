// Runs voxtrel-host as a separate program in a scratch directory and collects
// what it prints and writes.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "../support/pictures.h"

namespace app_test {

namespace fs = std::filesystem;
using nlohmann::json;

struct Outcome {
    int status = -1;
    std::string out, err;
};

inline void replace_all(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

inline std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The running test's name, as one file name (parameterised tests' names hold a slash).
inline std::string test_name() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    return name;
}

using test_pictures::Picture;
using test_pictures::read_png;

class Program : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("voxtrel-app-" + std::to_string(::getpid()) + "-" + test_name());

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // The program with these arguments, without a shell in between, limited to
    // `address_space` bytes of address space and to files of `file_size` bytes.
    Outcome run(const std::vector<std::string>& arguments, rlim_t address_space = RLIM_INFINITY,
                rlim_t file_size = RLIM_INFINITY) {
        std::vector<std::string> words = {VOXTREL_HOST_PATH};
        words.insert(words.end(), arguments.begin(), arguments.end());
        const pid_t pid = spawn(words, dir / "stdout.txt", dir / "stderr.txt", address_space, -1, file_size);
        Outcome outcome;
        int raw = 0;
        if (pid > 0 && waitpid(pid, &raw, 0) == pid) outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        outcome.out = read_file(dir / "stdout.txt");
        outcome.err = read_file(dir / "stderr.txt");
        return outcome;
    }

    // Starts a program found on the PATH, its outputs going to files; `keep_fd`
    // becomes its descriptor 3.
    static pid_t spawn(std::vector<std::string> words, const fs::path& out, const fs::path& err,
                       rlim_t address_space = RLIM_INFINITY, int keep_fd = -1, rlim_t file_size = RLIM_INFINITY) {
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            const rlimit limit{address_space, address_space}, size{file_size, file_size};
            ::signal(SIGXFSZ, SIG_IGN);  // a longer write fails, as on a full disk, and the program goes on
            const int out_fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err_fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (setrlimit(RLIMIT_AS, &limit) != 0 || setrlimit(RLIMIT_FSIZE, &size) != 0 || dup2(out_fd, 1) < 0 ||
                dup2(err_fd, 2) < 0 || (keep_fd >= 0 && dup2(keep_fd, 3) < 0))
                _exit(127);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        return pid;
    }

    // The names of the files in a folder of the scratch directory, sorted.
    std::vector<std::string> files_in(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir / folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // A file in the scratch directory; returns its path.
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return (dir / name).string();
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }
};

inline const json& layer_named(const json& scene, const std::string& name) {
    for (const json& layer : scene["composition"]["layers"])
        if (layer["name"] == name) return layer;
    throw std::runtime_error("no layer " + name);
}

}  // namespace app_test
