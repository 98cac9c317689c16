// voxtrel-host's command line: what to load and where the result goes.
#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace app {

struct Options {
    std::string scene;   // empty: the embedded default scene
    std::string plugin;  // empty: Voxtrel.so beside the program
    bool json = false;   // the result scene on standard output
    std::string out;     // directory for scene.json; empty: none
    int apply = 1;       // presses of "Apply"
};

// Declares the options on the parser, writing into `options`.
void add_options(CLI::App& cli, Options& options);

// Voxtrel.so in the directory of the running program.
std::string default_plugin_path();

}  // namespace app
