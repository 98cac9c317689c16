// voxtrel-host: the compositing host simulated around the Voxtrel plug-in.
#include <iostream>

#include "options.h"
#include "run.h"

int main(int argc, char** argv) {
    CLI::App cli("Loads the Voxtrel plug-in into a simulated compositing host and runs it on a scene.",
                 "voxtrel-host");
    app::Options options;
    app::add_options(cli, options);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "voxtrel-host: " << e.what() << "\n";
        return app::kExitBadInput;
    }
    return app::run(options, std::cout, std::cerr);
}
