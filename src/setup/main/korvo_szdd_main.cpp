// korvo-szdd SOURCE TARGET: packs SOURCE into the LZ "SZDD" archive TARGET,
// as the distribution folder's archives are made.
#include <iostream>

#include "platform/files.h"
#include "setup/szdd_compress.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: korvo-szdd SOURCE TARGET\n";
        return 2;
    }
    const auto data = korvo::platform::ReadWholeFile(argv[1]);
    if (!data) {
        std::cerr << "korvo-szdd: cannot read " << argv[1] << '\n';
        return 1;
    }
    if (!korvo::platform::WriteFileAtomically(argv[2], korvo::setup::SzddCompress(*data))) {
        std::cerr << "korvo-szdd: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
