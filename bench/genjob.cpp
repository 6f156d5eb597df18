// Writes a synthetic job of about the wanted number of points: DIR/job.d45 (or job.d30) and
// DIR/job.d58.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "jobgenerator.h"

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << "Aufruf: kubato-genjob PUNKTE VERZEICHNIS [--da30]\n";
        return 2;
    }
    kubato::JobSpec spec;
    spec.side = kubato::sideForPoints(std::atol(argv[1]));
    const bool da30 = argc > 3 && std::string(argv[3]) == "--da30";
    spec.type = da30 ? kubato::CoordinateType::DA30 : kubato::CoordinateType::DA45;
    const kubato::GeneratedJob job = kubato::generateJob(spec);
    const std::string dir = argv[2];
    std::ofstream(dir + (da30 ? "/job.d30" : "/job.d45"), std::ios::binary) << job.coordinates;
    std::ofstream(dir + "/job.d58", std::ios::binary) << job.triangles;
    std::cout << "Punkte: " << job.pointCount << ", Dreiecke: " << job.triangleCount << "\n";
    return 0;
}
