// The headless command: computes, exports and converts sessions for scripts,
// servers and teaching material, without windows.
#include "batchcommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return runBatch(arguments, std::cout, std::cerr);
}
