#pragma once

#include "scene/scene.h"
#include "surfaces/polyhedra/dual_pair_geometry.h"
#include "surfaces/polyhedra/half_edge_mesh.h"

#include <string>

namespace tessivo {

class RotationController;
class Slider;

// A regular solid turning into its dual polyhedron, tile by tile. Solid and dual are cut into
// the same flag triangles; the morph slider moves every triangle on a straight line from its
// place on the dual (0) to its place on the solid (1) while its colour blends from the dual
// face's to the solid face's. The three pairs of the program are objects of this class that
// differ only in their solid, colour tables and texts; they turn with one shared rotation, so
// a solid keeps the attitude the user gave it when the user goes on to the next pair.
class DualPairScene : public Scene {
public:
    // Registers the scene under identifier and adds the morph slider (0..1, starting at 0, so
    // the dual shows first) at (250, 20) from the bottom-left corner. The solid is scaled once,
    // about the origin, so that its vertices lie on the sphere of radius 2 where the dual's
    // vertices are put too (every vertex of a regular solid is as far out as vertex 0). The
    // tables give a dualPalette index per face and per vertex of the solid; an entry that is
    // missing or outside the palette shows as grey tiles. sharedRotation must outlive the scene.
    DualPairScene(const std::string& identifier, HalfEdgeMesh solid, ColourTable faceColours,
                  ColourTable vertexColours, SceneWording wording,
                  RotationController& sharedRotation);
    ~DualPairScene() override;

    // Reads the slider, then draws the 4E shrunk tiles (24, 48 or 120 for the tetrahedron, cube
    // and icosahedron) with their outline rods, 6 units ahead of the eye, turned by the shared
    // rotation. The subdivision is rebuilt on every call; nothing is kept between frames.
    void display() override;

    RotationController* rotation() override;

    // Its value is the morph parameter t; owned by the panel.
    Slider* morphSlider;
    ColourTable faceColours;
    ColourTable vertexColours;
    HalfEdgeMesh mesh;
    RotationController& sharedRotation;
};

} // namespace tessivo
