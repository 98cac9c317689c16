// Any bytes as a scene: loading either refuses them with one printable line
// that says where, or gives a project whose saved text loads back to the same
// text and the same project.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "host/scene.h"
#include "utf8_check.h"

namespace {

[[noreturn]] void broken(const std::string& what, std::string_view text) {
    std::cerr << "scene fuzzer: " << what << "\n--- text ---\n" << text << "\n";
    std::abort();
}

std::string saved(const host::Project& project) {
    return host::scene_text(host::write_scene(project, project.comps.begin()->first));
}

// The messages voxtrel-host prints after the file name.
void check_message(const host::SceneError& e, std::string_view text) {
    const std::string message = e.what();
    if (!fuzz::is_one_printable_line(message)) broken("message is not one line of UTF-8: " + message, text);
    const bool at_path = message.starts_with("/");
    const bool at_line = message.starts_with("line ") && e.line() > 0 && e.column() > 0;
    if (!at_path && !at_line) broken("message does not say where: " + message, text);
    if (message.size() > 1000) broken("message is too long: " + message, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    host::IdCounters ids;
    host::Project project;
    try {
        project = host::read_scene(host::parse_scene_text(text), ids);
    } catch (const host::SceneError& e) {
        check_message(e, text);
        return 0;
    }
    const std::string first = saved(project);
    host::IdCounters again;
    host::Project reloaded;
    try {
        reloaded = host::read_scene(host::parse_scene_text(first), again);
    } catch (const host::SceneError& e) {
        broken(std::string("the saved scene does not load: ") + e.what(), first);
    }
    if (saved(reloaded) != first) broken("the saved scene saves differently:\n" + saved(reloaded), first);
    if (!(reloaded == project)) broken("the saved scene loads as another project", first);
    return 0;
}
