// Writes the generated benchmark population as a GEDCOM file: write_generated_gedcom PERSONS FILE
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "generated_family.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: write_generated_gedcom PERSONS FILE\n";
        return 2;
    }
    std::ofstream(argv[2], std::ios::binary) << qv::bench::GeneratedGedcom(std::atoll(argv[1]));
    return 0;
}
