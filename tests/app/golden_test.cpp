// voxtrel-host's whole outcome for the option sets of golden/cases.json, against
// the expected files beside it: exit status, standard output and error, and
// every file written exactly, the pictures pixel for pixel. With
// VOXTREL_REGEN_GOLDENS set the expected files are written instead
// (scripts/regen_goldens.sh).
#include <cstdlib>
#include <sstream>

#include "program.h"

namespace app_test {
namespace {

const fs::path kGolden = VOXTREL_SOURCE_DIR "/tests/app/golden";

std::vector<json> rows() { return json::parse(read_file(kGolden / "cases.json"))["rows"]; }

// "" when the texts are the same; else the first line where they part.
std::string first_difference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    for (int line = 1; expected != actual; ++line) {
        std::string x, y;
        const bool more = static_cast<bool>(std::getline(a, x)) | static_cast<bool>(std::getline(b, y));
        if (x != y || !more) return "line " + std::to_string(line) + ": expected \"" + x + "\", got \"" + y + "\"";
    }
    return "";
}

class Golden : public Program, public ::testing::WithParamInterface<json> {
protected:
    // The row's arguments with $OUT and $SRC put in.
    std::vector<std::string> arguments(const fs::path& out) const {
        std::vector<std::string> words;
        for (std::string word : GetParam()["args"]) {
            replace_all(word, "$OUT", out.string());
            replace_all(word, "$SRC", VOXTREL_SOURCE_DIR);
            words.push_back(word);
        }
        return words;
    }

    // Status, both outputs and the names of the files written, with the places
    // of this machine taken out, and the lines telling a slow step's progress.
    std::string output_text(const Outcome& r, const fs::path& out) const {
        std::string err;
        std::istringstream lines(r.err);
        for (std::string line; std::getline(lines, line);)
            if (!(line.ends_with(" s)") && line.find(" done") != std::string::npos)) err += line + "\n";
        std::string text = "status " + std::to_string(r.status) + "\nfiles:";
        for (const std::string& name : files_in(out.filename())) text += " " + name;
        text += "\n--- standard output\n" + r.out + "--- standard error\n" + err;
        replace_all(text, out.string(), "$OUT");
        replace_all(text, VOXTREL_SOURCE_DIR, "$SRC");
        return text;
    }
};

TEST_P(Golden, RunGivesTheExpectedOutcome) {
    const json& row = GetParam();
    const fs::path out = dir / "out", expected = kGolden / row["name"].get<std::string>();
    fs::create_directories(out);
    const std::string output = output_text(run(arguments(out)), out);
    const json pictures = row.value("pictures", json::array());
    const auto compared = [&](const fs::path& name) {
        return name.extension() != ".png" ||
               std::find(pictures.begin(), pictures.end(), name.string()) != pictures.end();
    };
    if (std::getenv("VOXTREL_REGEN_GOLDENS")) {
        fs::remove_all(expected);
        fs::create_directories(expected);
        std::ofstream(expected / "output.txt", std::ios::binary) << output;
        for (const auto& file : fs::directory_iterator(out))
            if (compared(file.path().filename())) fs::copy_file(file.path(), expected / file.path().filename());
        return;
    }
    EXPECT_EQ(output, read_file(expected / "output.txt"));
    for (const auto& file : fs::directory_iterator(out)) {
        const fs::path name = file.path().filename();
        SCOPED_TRACE(name.string());
        EXPECT_EQ(static_cast<int>(file.status().permissions()) & 0111, 0) << "written executable";
        if (name.extension() != ".png") {
            EXPECT_EQ(first_difference(read_file(expected / name), read_file(file.path())), "");
        } else if (compared(name)) {
            EXPECT_EQ(test_pictures::picture_difference(read_png(expected / name), read_png(file.path())), "");
        }
    }
    if (row.value("unchanged", false)) {
        EXPECT_EQ(read_file(out / "scene.json"), run({arguments(out).front(), "--apply", "0", "--json"}).out);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Golden, ::testing::ValuesIn(rows()), [](const ::testing::TestParamInfo<json>& row) {
    return row.param["name"].get<std::string>();
});

}  // namespace
}  // namespace app_test
