// Every scene of the program and every rotation controller that a family of scenes shares,
// in one translation unit. C++ constructs the objects of one translation unit in the order of
// their definitions, but leaves the order across translation units open, so each shared
// controller is defined here, with its start attitude, before the scenes that use it. Nothing
// below may call GL or the toolkit: they are not running yet.

#include "app/static_objects.h"

#include "scene/rotation_controller.h"
#include "surfaces/crosscap/cross_cap_scene.h"
#include "surfaces/crosscap/embedded_band_scene.h"
#include "surfaces/klein/klein_cut_scene.h"
#include "surfaces/klein/klein_draw_mode_scene.h"
#include "surfaces/klein/klein_from_rectangle_scene.h"
#include "surfaces/klein/klein_label_scene.h"
#include "surfaces/moebius/strip_scene.h"
#include "surfaces/polyhedra/dual_pair_scene.h"
#include "surfaces/polyhedra/polyhedron_solids.h"
#include "surfaces/polyhedra/woven_strip_scene.h"

namespace tessivo {

RotationController kleinRotation({0, 0, 1}, 90.0);
KleinFromRectangleScene kleinBottle1(kleinRotation);
KleinDrawModeScene kleinBottle3(kleinRotation);
KleinLabelScene kleinBottle4(kleinRotation);
KleinCutScene kleinBottle5(kleinRotation);

RotationController stripRotation(0.0, 20.0);
StripScene moebius(StripSceneKind::SquareToBand, stripRotation);
StripScene moebius2(StripSceneKind::Wheels, stripRotation);
StripScene moebius3(StripSceneKind::CutInTwo, stripRotation);
StripScene moebius4(StripSceneKind::Sliding, stripRotation);
StripScene moebius5(StripSceneKind::CutInThree, stripRotation);
StripScene moebius6(StripSceneKind::Map, stripRotation);

// The cross-cap scenes; each turns its object with a controller of its own.
CrossCapScene projectivePlane1("ProjectivePlane1");
EmbeddedBandScene projectivePlane2;

WovenStripScene wovenStripScene;

RotationController polyhedraRotation(10, 20);
DualPairScene tetraTetraScene(
    "tetratetra", makeTetrahedron(), tetrahedronColours, tetrahedronColours,
    {"Tetraedro / tetraedro", "Tetrahedron / tetrahedron",
     "Trascina il cursore: tessera per tessera, il tetraedro duale diventa il tetraedro. "
     "Trascina altrove per girarlo.",
     "Drag the slider: tile by tile, the dual tetrahedron turns into the tetrahedron. "
     "Drag anywhere else to turn it."},
    polyhedraRotation);
DualPairScene cubeOctaScene(
    "cubeocta", makeCube(), cubeFaceColours, cubeVertexColours,
    {"Cubo / ottaedro", "Cube / octahedron",
     "Trascina il cursore: tessera per tessera, l'ottaedro diventa il cubo, il suo "
     "duale. Trascina altrove per girarlo.",
     "Drag the slider: tile by tile, the octahedron turns into the cube, its dual. Drag "
     "anywhere else to turn it."},
    polyhedraRotation);
DualPairScene icoDodecaScene(
    "icododeca", makeIcosahedron(), icosahedronFaceColours, icosahedronVertexColours,
    {"Icosaedro / dodecaedro", "Icosahedron / dodecahedron",
     "Trascina il cursore: tessera per tessera, il dodecaedro diventa l'icosaedro, il "
     "suo duale. Trascina altrove per girarlo.",
     "Drag the slider: tile by tile, the dodecahedron turns into the icosahedron, its "
     "dual. Drag anywhere else to turn it."},
    polyhedraRotation);

void ensureStaticObjects() {}

} // namespace tessivo
