#pragma once

#include "math/b_spline_curve.h"
#include "surfaces/klein/klein_ring.h"
#include "surfaces/klein/klein_spine.h"

#include <vector>

namespace tessivo {

// How the surface is drawn in the finished-bottle stage.
enum KleinDrawMode : int { SolidMode = 0, StripedMode = 1, GlassMode = 2 };

// One sample of a glue mark: a point of the mesh, the surface normal there, and the direction
// across the edge in the surface. The mark is a tube around the edge whose cross-section spans
// these two directions.
struct EdgeSample {
    Vec3 centre;
    Vec3 normal;
    Vec3 across;
};

// The offset from an edge sample to the mark's tube wall at angle theta (per unit radius):
// cos(theta) across - sin(theta) normal. It is also the wall's normal.
Vec3 edgeTubeOffset(const EdgeSample& sample, double theta);

// The sample index nearest to position in [0, 1] of count samples (count - 1 intervals);
// positions outside [0, 1], and NaN, give the nearest end (NaN the first).
int nearestSample(double position, int count);

// The first row of each band that the surface draws: every band for the solid and glass
// modes, every other band (0, 2, 4, ...) for the striped one. A band joins row r to row r + 1.
std::vector<int> surfaceBands(int drawMode, int rows);

// The Klein bottle and every stage of its construction from a rectangle: a tube around a
// cubic B-spline spine whose ring at each sample is the circle in the vertical plane across
// the spine, centred on the ground point below the spine point and passing through it. Where
// the spine runs high the tube is fat (the body), where it runs low thin (the neck), and where
// the low part passes under the high part the neck lies inside the body.
//
// Every frame the owner sets stage, progress and drawMode, calls buildSpine and buildMesh (the
// bottle stage rebuilds inside draw as well) and draws. The geometry is plain data; only the
// draw operations touch GL.
class KleinBottleSurface {
public:
    explicit KleinBottleSurface(KleinStage stage);
    KleinBottleSurface(const KleinBottleSurface&) = delete;
    KleinBottleSurface& operator=(const KleinBottleSurface&) = delete;

    // The nine control points from stage and progress, and the frame of every row.
    void buildSpine();
    // Every vertex and normal from the frames, the stage, its progress and cutOpening. Once
    // the spine has closed, the last ring is the first one exactly, glued with its flip.
    void buildMesh();

    // Mesh access; index row * columns + column.
    const Vec3& vertex(int row, int column) const { return vertices[index(row, column)]; }
    const Vec3& normal(int row, int column) const { return normals[index(row, column)]; }

    // The mark along row position * (rows - 1) (rounded), and along column
    // position * (columns - 1): the mesh points with the surface normal and the direction
    // across the edge (unit along a ring; along the spine normal x along, made up to about
    // unit length where the spine slopes).
    std::vector<EdgeSample> ringEdgeSamples(double position) const;
    std::vector<EdgeSample> columnEdgeSamples(double position) const;

    // Turns the mesh into its mirror image in the plane z = 0, in place: the other half of a
    // bottle cut along that plane.
    void mirrorMesh();

    // Drawing, in the current GL state and matrices.
    //
    // The current stage, turned half a turn about x (about z for the label).
    void draw();
    // The bands of the mesh, solid, striped or as glass (drawMode).
    void drawSurface();
    // The bottle cut into an upper half and its mirror image, which come apart for progress
    // up to 0.5 and unroll flat beyond; leaves cutOpening 0 and the whole mesh.
    void drawHalves();
    // Which edges of the rectangle are glued, and in which direction: the two long edges in
    // the same sense, the two end rings in opposite senses.
    void drawGlueMarks();
    void drawRingEdge(double position, double hueStart, double hueEnd);
    void drawColumnEdge(double position, double hueStart, double hueEnd);
    // One quad strip per band r = rowStart, rowStart + rowStep, ... below rowEnd, over the
    // columns columnStart..columnEnd inclusive.
    void drawStrips(int rowStart, int rowEnd, int rowStep, int columnStart, int columnEnd);
    // The label stage: the carried picture as a label on a glass bottle, at the place that
    // progress gives.
    void drawWithLabel();
    // drawStrips with texture coordinates: along runs from alongStart to alongEnd over the
    // rows, across from acrossStart to acrossEnd over the columns (s = 1 - across).
    void drawTexturedStrips(int rowStart, int rowEnd, int rowStep, int columnStart, int columnEnd,
                            double alongStart, double alongEnd, double acrossStart,
                            double acrossEnd);

    BSplineCurve spine;
    int drawMode = SolidMode;
    std::vector<SpineFrame> frames;
    static constexpr int rows = 100;
    static constexpr int columns = 50;
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    KleinStage stage;
    double progress = 0.0;
    // 0: the whole ring; above 0: only the upper half ring, opened flat by this amount.
    double cutOpening = 0.0;

private:
    std::size_t index(int row, int column) const {
        return static_cast<std::size_t>(row * columns + column);
    }
    void glueEndRings();
    void drawBands();
    void drawEdgeTube(const std::vector<EdgeSample>& samples, double hueStart, double hueEnd);
};

} // namespace tessivo
