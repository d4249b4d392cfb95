// Build step: writes the four default configuration files into a folder.
#include "document/DefaultFiles.h"
#include "document/DocCommands.h"
#include "document/ProductType.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkdefaults FOLDER\n");
        return 1;
    }
    for (int type = 0; type < kiv::kProductTypeCount; ++type) {
        const std::string path = kiv::JoinPath(argv[1], kiv::FindProductType(type)->defaultFile);
        if (!kiv::WriteFileReplacing(path, kiv::MakeDefaultFile(type))) {
            std::fprintf(stderr, "mkdefaults: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
