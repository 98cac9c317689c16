// The tables beside the tests, in data/: one row a line, '#' starting a comment line.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> data_rows(std::string const& file) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/" + file);
    EXPECT_TRUE(in.is_open()) << file;
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') rows.push_back(line);
    return rows;
}
