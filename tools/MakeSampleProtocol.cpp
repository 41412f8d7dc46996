// Regenerates data/quelva/archivum/minta.qvl: make-sample-protocol OUT.qvl
#include "SampleProtocol.h"
#include "platform/AtomicFile.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Használat: make-sample-protocol KI.qvl\n";
        return 1;
    }
    if (!quelvarin::ReplaceFileAtomically(argv[1], quelvarin::BuildSampleProtocol())) {
        std::cerr << argv[1] << ": az állomány nem írható.\n";
        return 2;
    }
    return 0;
}
