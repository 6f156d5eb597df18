#pragma once

// Synthetic survey jobs of any size for benchmarks and comparison tests: a rolling terrain
// surveyed on a regular grid (the ground before the job) and an excavated surface (after the
// job) that shares the grid's boundary points. Deterministic: the same size always gives the
// same files.

#include <cstdint>
#include <string>

#include "input/coordinatelist.h"

namespace kubato {

struct GeneratedJob {
    std::string coordinates; // DA30 or DA45 text, lines ended by CR LF
    std::string triangles;   // DA58 text: one quadrilateral line (two triangles) per grid cell
    long pointCount = 0;
    long triangleCount = 0;
};

struct JobSpec {
    // Grid points per side; the job then has about 2 x side^2 points and 4 x (side-1)^2
    // triangles.
    int side = 100;
    CoordinateType type = CoordinateType::DA45;
    std::uint32_t seed = 1;
};

GeneratedJob generateJob(const JobSpec &spec);

// The grid side that gives about the wanted number of points.
int sideForPoints(long points);

} // namespace kubato
