// Runs voxtrel-host as a separate program in a scratch directory and collects
// what it prints and writes.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

extern char** environ;

namespace app_test {

namespace fs = std::filesystem;
using nlohmann::json;

struct Outcome {
    int status = -1;
    std::string out, err;
};

inline std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Program : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("voxtrel-app-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // The program with these arguments, without a shell in between.
    Outcome run(const std::vector<std::string>& arguments) {
        const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
        std::vector<std::string> words = {VOXTREL_HOST_PATH};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        Outcome outcome;
        if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0) {
            int raw = 0;
            waitpid(pid, &raw, 0);
            outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        }
        posix_spawn_file_actions_destroy(&files);
        outcome.out = read_file(out);
        outcome.err = read_file(err);
        return outcome;
    }

    // A file in the scratch directory; returns its path.
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return (dir / name).string();
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }
};

// The result scene a run printed with --json.
inline json scene_of(const Outcome& outcome) { return json::parse(outcome.out); }

inline const json& layer_named(const json& scene, const std::string& name) {
    for (const json& layer : scene["composition"]["layers"])
        if (layer["name"] == name) return layer;
    throw std::runtime_error("no layer " + name);
}

}  // namespace app_test
