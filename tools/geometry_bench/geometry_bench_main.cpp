// Times the geometry that each scene recomputes on every frame, without GL: what the frame
// time would be with an infinitely fast renderer. Benchmarks are named after the scenes, and
// each uses the values its scene's controls start with, which are what tessivo-bench draws:
// sliders at 0, dials at rest, the first choices.

#include "surfaces/crosscap/cross_cap_surface.h"
#include "surfaces/crosscap/embedded_band_scene.h"
#include "surfaces/crosscap/embedded_band_surface.h"
#include "surfaces/klein/klein_drawing.h"
#include "surfaces/moebius/strip_model.h"
#include "surfaces/polyhedra/dual_pair_geometry.h"
#include "surfaces/polyhedra/dual_pair_subdivision.h"
#include "surfaces/polyhedra/polyhedron_solids.h"
#include "surfaces/polyhedra/woven_strip.h"

#include <benchmark/benchmark.h>

namespace tessivo {
namespace {

// A frame of a Klein scene: the rendering of its setting as plain drawing steps, from the one
// mesh it builds.
void kleinScene(benchmark::State& state, const StageSetting& setting) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(kleinDrawing(setting));
    }
}

void KleinBottle1(benchmark::State& state) {
    kleinScene(state, rectangleSetting(0.0));
}
void KleinBottle3(benchmark::State& state) {
    kleinScene(state, {Bottle, 0.0, SolidMode});
}
void KleinBottle4(benchmark::State& state) {
    kleinScene(state, {Label, labelProgress(0.0)});
}
void KleinBottle5(benchmark::State& state) {
    kleinScene(state, {Halves, 0.0});
}

// The strip scenes: the model set up as the scene's display sets it, then the rendering of
// its mode as plain drawing steps.
SurfaceDrawing stripFrame(StripModel& strip) {
    strip.applyMode();
    switch (strip.mode) {
    case 0:
        return strip.solidDrawing();
    case 3:
        return strip.cutInTwoDrawing();
    case 4:
        // The sliding band is closed and its pieces joined whatever the control.
        strip.bend = 1.0;
        strip.cutSpread = 0.0;
        return strip.slidingDrawing();
    case 5:
        return strip.cutInThreeDrawing();
    case 6:
        return strip.mapDrawing();
    default:
        return {};
    }
}

void stripScene(benchmark::State& state, int mode, double param) {
    StripModel strip;
    strip.mode = mode;
    strip.param = param;
    for (auto _ : state) {
        benchmark::DoNotOptimize(stripFrame(strip));
    }
}

void Moebius(benchmark::State& state) {
    stripScene(state, 0, 0.0);
}
void Moebius3(benchmark::State& state) {
    stripScene(state, 3, 0.0);
}
// The phase dial starts half a turn round, a quarter of the sliding's period.
void Moebius4(benchmark::State& state) {
    stripScene(state, 4, 0.25);
}
void Moebius5(benchmark::State& state) {
    stripScene(state, 5, 0.0);
}
void Moebius6(benchmark::State& state) {
    stripScene(state, 6, 0.0);
}

// The wheel scene's band is cached in a display list; per frame only its one starting wheel
// moves.
void Moebius2(benchmark::State& state) {
    StripModel strip;
    strip.mode = 1;
    strip.applyMode();
    strip.addWheel();
    int now = 0;
    for (auto _ : state) {
        now += 16;
        for (double x : strip.wheelParameters(now)) {
            benchmark::DoNotOptimize(strip.wheelPoseAt(x));
        }
    }
}

// The thin band (morph 0), solid, with its plain boundary tube and no section.
void ProjectivePlane1(benchmark::State& state) {
    const double morph = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(crossCapBoundaryTube(morph));
        benchmark::DoNotOptimize(crossCapSurface(morph, false));
    }
}

// The narrow band around the core circle that the slider at 0 gives, solid.
void ProjectivePlane2(benchmark::State& state) {
    const double reach = embeddedBandReach(0.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bandEdgeTube(reach));
        benchmark::DoNotOptimize(bandSurface(0.0, reach, false));
    }
}

// The whole band, nothing cut, the edge tube full length, the dial at rest: no end caps.
void ring(benchmark::State& state) {
    const double cut = 0.0, phi = 0.0, trim = 0.0;
    for (auto _ : state) {
        for (int part : {6, 4, 3, 1, 2, 0}) {
            benchmark::DoNotOptimize(stripPartVertices(part, phi, cut));
        }
        benchmark::DoNotOptimize(edgeTubeSegments(phi, trim));
    }
}

void dualPair(benchmark::State& state, HalfEdgeMesh solid, ColourTable faces,
              ColourTable vertices) {
    scaleToRadius(solid, dualSphereRadius);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dualPairTriangles(solid, faces, vertices, 0.0));
    }
}

void tetratetra(benchmark::State& state) {
    dualPair(state, makeTetrahedron(), tetrahedronColours, tetrahedronColours);
}
void cubeocta(benchmark::State& state) {
    dualPair(state, makeCube(), cubeFaceColours, cubeVertexColours);
}
void icododeca(benchmark::State& state) {
    dualPair(state, makeIcosahedron(), icosahedronFaceColours, icosahedronVertexColours);
}

} // namespace
} // namespace tessivo

BENCHMARK(tessivo::KleinBottle1)->Name("KleinBottle1");
BENCHMARK(tessivo::KleinBottle3)->Name("KleinBottle3");
BENCHMARK(tessivo::KleinBottle4)->Name("KleinBottle4");
BENCHMARK(tessivo::KleinBottle5)->Name("KleinBottle5");
BENCHMARK(tessivo::Moebius)->Name("Moebius");
BENCHMARK(tessivo::Moebius2)->Name("Moebius2");
BENCHMARK(tessivo::Moebius3)->Name("Moebius3");
BENCHMARK(tessivo::Moebius4)->Name("Moebius4");
BENCHMARK(tessivo::Moebius5)->Name("Moebius5");
BENCHMARK(tessivo::Moebius6)->Name("Moebius6");
BENCHMARK(tessivo::ProjectivePlane1)->Name("ProjectivePlane1");
BENCHMARK(tessivo::ProjectivePlane2)->Name("ProjectivePlane2");
BENCHMARK(tessivo::ring)->Name("ring");
BENCHMARK(tessivo::tetratetra)->Name("tetratetra");
BENCHMARK(tessivo::cubeocta)->Name("cubeocta");
BENCHMARK(tessivo::icododeca)->Name("icododeca");
BENCHMARK_MAIN();
