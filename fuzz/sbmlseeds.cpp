// Writes the SBML export of each session file named after the output folder
// into that folder, as seeds for fuzz_sbml: the presets change with the
// program, so their documents are made when the fuzzing starts.
#include "exchange/sbmlexport.h"
#include "session/reactorsession.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s output-folder session.vsn...\n", argv[0]);
        return 2;
    }
    int failed = 0;
    for (int i = 2; i < argc; ++i) {
        ReactorSession session;
        const std::filesystem::path source = argv[i];
        const std::string output =
            (std::filesystem::path(argv[1]) / source.stem()).string() + ".xml";
        std::string error;
        if (!session.read(source.string()) || !exportSbml(session, output, error)) {
            std::fprintf(stderr, "no seed from %s %s\n", argv[i], error.c_str());
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
