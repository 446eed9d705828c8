#pragma once

#include "math/angles.h"
#include "surfaces/drawing/draw_primitive.h"
#include "surfaces/drawing/surface_drawing.h"
#include "surfaces/moebius/moebius_frame.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tessivo {

// Where a wheel stands on the band: the point of the band's surface under it, its hub, the
// axle's direction (across the band), the direction from the contact to the hub, and how far
// it has turned about the axle.
struct WheelPose {
    Vec3 contact;
    Vec3 hub;
    Vec3 axle;
    Vec3 up;
    double rollRadians = 0.0;
};

// One patch of the six-region map: the part of both faces between width fractions ua..ub and
// length parameters xa..xb, belonging to region name (1..6), or a border (name 0). Long patches
// are drawn as region patches, short ones (the borders across the band) as border patches.
struct StripMapPatch {
    enum class Shape { Long, Short };
    int name = 0;
    Shape shape = Shape::Long;
    double ua = 0.0;
    double ub = 0.0;
    double xa = 0.0;
    double xb = 0.0;
};

// A thick band of width stripWidth and thickness thickness whose centre line and cross-section
// come from one closed-form moving frame (frameAt). bend morphs a flat rectangle (0) into a
// closed ring (1); twist is how far the cross-section turns along the band (pi: the Moebius
// band, 0: a cylinder band, 2 pi: a band with a full twist).
//
// The geometry functions are pure and return values; the draw functions emit them in immediate
// mode and need a current GL context. Nothing is cached except the band of the wheel
// rendering, in display list bandList.
class StripModel {
public:
    virtual ~StripModel() = default;

    double startLength = 1.0;   // length at bend 0: the flat band is a 1 by 1 square
    double closedLength = 15.0; // length at bend 1
    double bend = 0.0;          // 0 flat .. 1 closed
    double cutSpread = 0.0;     // 0..1, how far the cut pieces have drifted apart
    double stripWidth = 1.0;
    double thickness = 0.05;
    std::array<int, 7> regionColours{}; // palette index per map region 1..6; entry 0 unused
    std::vector<double> wheelOffsets;   // one start offset per wheel, oldest first
    double param = 0.0;                 // the owning scene's control value for this frame
    int mode = 0;                       // which rendering drawStrip draws
    bool listDirty = true;              // the cached band of the wheel rendering is stale
    double twist = pi;
    int middlePiece = 0; // cut in three: 0 plain, 1 highlighted, 2 removed
    int appearance = 0;  // wheel rendering: 0 solid, 1 striped, 2 translucent

    static constexpr RgbaColour faceColour{0.2, 0.9, 0.7, 1.0};
    static constexpr RgbaColour edgeColour{0.2, 0.3, 0.8, 1.0};
    static constexpr RgbaColour highlightColour{0.9, 0.9, 0.2, 1.0};
    static constexpr RgbaColour slidingBorderColour{0.1, 0.1, 0.2, 1.0};
    static constexpr RgbaColour translucentColour{0.2, 0.9, 0.7, 0.5};
    static constexpr RgbaColour mapBorderColour{0.0, 0.0, 0.0, 1.0};
    static constexpr std::array<RgbaColour, 7> mapPalette{{
        {0.8, 0.8, 0.8, 1.0}, // uncoloured
        {1.0, 1.0, 0.0, 1.0},
        {0.0, 1.0, 0.0, 1.0},
        {0.0, 1.0, 1.0, 1.0},
        {0.1, 0.3, 0.1, 1.0},
        {1.0, 0.5, 0.5, 1.0},
        {1.0, 0.0, 0.0, 1.0},
    }};

    // The display list that holds the band of the wheel rendering.
    static constexpr unsigned bandList = 2;
    // Segments of the strips that run the whole length of the band.
    static constexpr int lengthSegments = 256;
    // The band advances a tenth of its length per second under a rolling wheel.
    static constexpr double wheelSpeed = 0.0001; // length parameter per millisecond

    // ---- Geometry ----

    // The frame at length parameter x: 0 and 1 are the ends of the band, values outside [0, 1]
    // continue it (periodically once the band is closed). Let s = 2x - 1, a the current length
    // (startLength at bend 0 to closedLength at bend 1) and b = a / 2 pi. The centre line is
    // an arc of radius b / bend in the plane z = 0 through (-bend b, 0, 0) at its middle, and
    // the cross-section turns by s bend twist / 2 about it. At bend 0 exactly the band is the
    // straight segment along y in the plane x = 0, with across (0, 0, 1) and normal (-1, 0, 0);
    // the curved formula tends to it as bend -> 0 and stays finite for every bend > 0, however
    // small.
    MoebiusFrame frameAt(double x) const;

    // Sets twist from a dial angle (radians), snapping to the nearest multiple of pi when the
    // angle lies within 0.1 pi of it, so that a dial near pi gives an exact Moebius band.
    // A non-finite angle leaves twist unchanged.
    void setTwistFromAngle(double angle);

    // How far the pieces of a cut band have drifted apart at x, as a fraction of their full
    // drift: sin(2 pi x) - 1 + 3 cutSpread limited to [0, 1]. It opens first round x = 0.25,
    // covers everything but the neighbourhood of x = 0.75 at cutSpread 2/3, and is 1
    // everywhere at cutSpread 1.
    double cutSeparation(double x) const;

    // Segments of a region patch from xa to xb: 10 plus 246 per unit of length (256 for the
    // whole band), the integer part taken. A reversed patch (xb < xa) counts its length as
    // positive.
    static int regionPatchSegments(double xa, double xb);

    // The primitives. A vertex at (w, n) at parameter x is stripPoint(frameAt(x), w, n); a
    // normal (e, f) is e across + f normal. The cut separation moves every vertex of a strip
    // by 0.25 g cutSeparation(x) across.

    // Quad strip over x = i/256, i = 0..256: normal (e, f), vertices (wa, na) then (wb, nb).
    DrawPrimitive faceStrip(double wa, double na, double wb, double nb, double e, double f,
                            double g) const;
    // The same over x_i = ((k - i) xa + i xb) / k, i = 0..k. k < 1 gives an empty strip.
    DrawPrimitive faceSpan(double wa, double na, double wb, double nb, double e, double f, double g,
                           double xa, double xb, int k) const;
    // Quad strip over x = i/256 with both vertices shifted by (dw, dn) and no cut separation.
    DrawPrimitive shiftedStrip(double wa, double na, double wb, double nb, double e, double f,
                               double dw, double dn) const;
    // Two polygons closing the band at xa and at xb, each with normal -(across x normal) and
    // the corners (wa, na), (wa, nb), (wb, nb), (wb, na).
    std::vector<DrawPrimitive> endCaps(double wa, double na, double wb, double nb, double xa,
                                       double xb) const;
    // A patch of both faces between width fractions ua..ub (0 one edge, 1 the other) and
    // length parameters xa..xb: two quad strips of regionPatchSegments(xa, xb) segments, on
    // the faces at +thickness/2 and -thickness/2, both with normal +normal.
    std::vector<DrawPrimitive> regionPatch(double ua, double ub, double xa, double xb) const;
    // A short patch of both faces drawn as one polygon per face: the corners at ua and ub of
    // xa with the normal at xa, then those of xb (in reverse order) with the normal at xb.
    std::vector<DrawPrimitive> borderPatch(double ua, double ub, double xa, double xb) const;

    // ---- Renderings, as plain steps ----

    // Sets bend and cutSpread for this frame from mode and param: a closed band with the cut
    // pieces spread by param in every mode > 0, the band bent by param in mode 0. A negative
    // mode changes neither.
    void applyMode();

    SurfaceDrawing solidDrawing() const;       // both faces, both edges, caps while bend < 1
    SurfaceDrawing translucentDrawing() const; // both faces and edges as half-transparent glass
    SurfaceDrawing stripedDrawing() const;     // twenty separate blocks along the band
    SurfaceDrawing cutInTwoDrawing() const;    // halves drifting apart across the middle line
    SurfaceDrawing slidingDrawing() const;     // two full-width pieces sliding across each other
    SurfaceDrawing cutInThreeDrawing() const;  // outer thirds drifting, middle piece per choice
    SurfaceDrawing mapDrawing() const;         // six named regions with black borders
    // The patches of the map in drawing order: the borders, then regions 1 to 6.
    static std::vector<StripMapPatch> mapLayout();
    // The colour region 1..6 is painted with: mapPalette[regionColours[region]], uncoloured
    // for an index outside the palette or a region outside 1..6.
    RgbaColour regionColour(int region) const;

    // The band cached by the wheel rendering: solid, striped or translucent by appearance
    // (1 striped, 2 or more translucent, anything else solid).
    SurfaceDrawing appearanceDrawing() const;

    // ---- The wheels ----

    // Appends a wheel that starts now at the end of the band (x = 1), unless the band already
    // carries maximumWheels: every wheel costs drawing time on every frame, and a visitor
    // pressing the plus button all day must not slow the program to a standstill.
    void addWheel();
    static constexpr std::size_t maximumWheels = 100;
    // Removes the oldest wheel; nothing when there is none.
    void removeOldestWheel();
    void clearWheels();
    // The wheel rendering moves with the clock while a wheel is on the band.
    bool wheelsRoll() const { return mode == 1 && !wheelOffsets.empty(); }

    // The length parameter of a wheel with start offset offset at time now (milliseconds):
    // 1 + 0.0001 (now - t0) for the wheel added at t0, whose offset is -0.0001 t0. The time
    // since t0 is measured modulo 2^32 like the clock itself, so the wheel rolls on smoothly
    // when the clock wraps (right while it is less than 24.8 days old).
    static double wheelParameter(double offset, int now);
    // wheelParameter of every wheel, oldest first.
    std::vector<double> wheelParameters(int now) const;
    // Where the wheel at parameter x stands: on the face at +thickness/2, axle across the
    // band, turned by the distance x closedLength.
    WheelPose wheelPoseAt(double x) const;

    // ---- Drawing (GL) ----

    void drawFaceStrip(double wa, double na, double wb, double nb, double e, double f,
                       double g) const;
    void drawFaceSpan(double wa, double na, double wb, double nb, double e, double f, double g,
                      double xa, double xb, int k) const;
    void drawShiftedStrip(double wa, double na, double wb, double nb, double e, double f, double dw,
                          double dn) const;
    void drawEndCaps(double wa, double na, double wb, double nb, double xa, double xb) const;
    void drawRegionPatch(double ua, double ub, double xa, double xb) const;
    void drawBorderPatch(double ua, double ub, double xa, double xb) const;

    // Draws the rendering that mode selects (0 solid, 1 wheels and the cached band, 3 cut in
    // two, 4 sliding, 5 cut in three, 6 map; nothing otherwise), turned so that the band's
    // axis of symmetry is upright. Sets bend and cutSpread first (applyMode), and the white
    // specular highlight; leaves the matrix as it found it.
    void drawStrip();
    void drawSolid() const;
    void drawTranslucent() const;
    void drawStriped() const;
    void drawCutInTwo() const;
    void drawSliding(); // closes the band and joins its pieces first
    void drawCutInThree() const;
    void drawMap() const;

    // Places and draws one wheel at parameter x.
    void drawWheelAt(double x) const;
    // Draws every wheel at the program clock's now.
    void drawWheels() const;
};

} // namespace tessivo
