// voxtrel-host: the compositing host simulated around the Voxtrel plug-in.
#include <iostream>
#include <stdexcept>

#include "options.h"
#include "run.h"

int main(int argc, char** argv) {
    CLI::App cli("Loads the Voxtrel plug-in into a simulated compositing host, opens its dialog from the menu as a "
                 "person would, operates it, presses \"Apply\" and writes the result.",
                 "voxtrel-host");
    cli.footer(
        "Prints the layers the application touched or made, then the host's alerts.\n"
        "Exit status: 0 done; 1 the plug-in reported a failure or its dialog could not be used; "
        "2 bad command line or scene; 3 the module cannot be loaded or has no entry point.\n"
        "With --validate: one line per scenario and per failure, then \"validation: R runs, P injection points, "
        "F failures\"; exit status 0 only when F is 0.");
    app::Options options;
    app::RawOptions raw;
    app::add_options(cli, options, raw);
    try {
        cli.parse(argc, argv);
        app::finish_options(cli, raw, options);
    } catch (const CLI::CallForHelp& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "voxtrel-host: " << e.what() << "\n";
        return app::kExitBadInput;
    } catch (const std::invalid_argument& e) {
        std::cerr << "voxtrel-host: " << e.what() << "\n";
        return app::kExitBadInput;
    }
    if (options.validate) return app::validate::validate(options.validation, std::cout, std::cerr);
    return app::run(options, std::cout, std::cerr);
}
