// voxtrel-host: the compositing host simulated around the Voxtrel plug-in.
#include <unistd.h>

#include <iostream>
#include <new>
#include <stdexcept>

#include "host/scene.h"
#include "gui/gui_run.h"
#include "listing.h"
#include "options.h"
#include "progress.h"
#include "run.h"

namespace {

// One line of valid UTF-8 on standard error, whatever the message holds.
int fail(app::Exit status, std::string_view message) {
    std::cerr << "voxtrel-host: " << host::printable(message, 1000) << "\n";
    return status;
}

// The command line as Options; a status to exit with when there is nothing to run.
std::optional<int> parse(int argc, char** argv, app::Options& options) {
    CLI::App cli(
        "Loads the Voxtrel plug-in into a simulated compositing host, opens its dialog from the menu as a "
        "person would, operates it, presses \"Apply\" and writes the result.",
        "voxtrel-host");
    cli.footer(
        "Prints the layers the application touched or made, then the host's alerts.\n"
        "Exit status: 0 done; 1 the plug-in reported a failure, its dialog could not be used or memory ran out; "
        "2 bad command line or scene; 3 the module cannot be loaded or has no entry point.\n"
        "With --validate: one line per scenario and per failure, then \"validation: R runs, P injection points, "
        "F failures\"; exit status 0 only when F is 0.");
    app::RawOptions raw;
    app::add_options(cli, options, raw);
    try {
        app::check_switches(raw, argc, argv);
        cli.parse(argc, argv);
        app::finish_options(cli, raw, options);
    } catch (const CLI::CallForHelp& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        return fail(app::kExitBadInput, e.what());
    } catch (const std::invalid_argument& e) {
        return fail(app::kExitBadInput, e.what());
    }
    return std::nullopt;
}

int run_program(int argc, char** argv) {
    app::Options options;
    if (const std::optional<int> status = parse(argc, argv, options)) return *status;
    switch (options.mode) {
        case app::Mode::version:
            std::cout << "voxtrel-host " VOXTREL_VERSION "\n";
            return app::kExitDone;
        case app::Mode::list:
            return app::list(options, std::cout, std::cerr);
        case app::Mode::gui:
            return app::gui::run(options, std::cout, std::cerr);
        case app::Mode::validate:
            return app::validate::validate(options.validation, std::cout, std::cerr);
        case app::Mode::run: {
            app::Progress progress(std::cerr,
                                   isatty(STDERR_FILENO) ? app::Progress::Style::bar : app::Progress::Style::lines);
            progress.start_ticker();
            return app::run(options, std::cout, progress.messages(), progress);
        }
    }
    return app::kExitDone;
}

}  // namespace

// Nothing leaves main as an exception: a bad command line ends with status 2 (a
// bad scene is told by run), anything unexpected with status 1, each with one
// line on standard error.
int main(int argc, char** argv) {
    try {
        return run_program(argc, argv);
    } catch (const std::bad_alloc&) {
        return fail(app::kExitPluginFailed, "out of memory");
    } catch (const std::exception& e) {
        return fail(app::kExitPluginFailed, std::string("unexpected error: ") + e.what());
    } catch (...) {
        return fail(app::kExitPluginFailed, "unexpected error");
    }
}
