#include "math/angles.h"
#include "surfaces/klein/klein_drawing.h"
#include "surfaces/klein/klein_mesh.h"
#include "tests/support/vec3_checks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

constexpr int rows = KleinMesh::rows;
constexpr int columns = KleinMesh::columns;

using testing::expectNear;

double distance(const Vec3& a, const Vec3& b) {
    const Vec3 d = a - b;
    return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}

TEST(KleinStagePhases, RunOneAfterAnotherWhileClosing) {
    const StagePhases rolling = stagePhases(Rolling, 0.7);
    EXPECT_EQ(rolling.bend + rolling.lengthen + rolling.close, 0.0);
    EXPECT_DOUBLE_EQ(rolling.scale, 0.6);
    // Closing: a third of the progress per phase, scale growing from 0.6 to 1.1.
    const StagePhases early = stagePhases(Closing, 0.2);
    EXPECT_NEAR(early.bend, 0.6, 1e-12);
    EXPECT_EQ(early.lengthen, 0.0);
    EXPECT_EQ(early.close, 0.0);
    EXPECT_NEAR(early.scale, 0.7, 1e-12);
    const StagePhases middle = stagePhases(Closing, 0.5);
    EXPECT_EQ(middle.bend, 1.0);
    EXPECT_NEAR(middle.lengthen, 0.5, 1e-12);
    EXPECT_EQ(middle.close, 0.0);
    const StagePhases late = stagePhases(Closing, 0.9);
    EXPECT_NEAR(late.close, 0.7, 1e-12);
    EXPECT_NEAR(stagePhases(Closing, 1.0).scale, 1.1, 1e-12);
    for (KleinStage stage : {Bottle, Label, Halves, static_cast<KleinStage>(5)}) {
        const StagePhases done = stagePhases(stage, 0.3);
        EXPECT_EQ(done.bend, 1.0);
        EXPECT_EQ(done.lengthen, 1.0);
        EXPECT_EQ(done.close, 1.0);
        EXPECT_DOUBLE_EQ(done.scale, 1.1);
        EXPECT_EQ(done.mirror, stage == Label ? -1.0 : 1.0);
    }
}

TEST(KleinSpineControlPoints, FinishedBottleLoopsUnderItsBodyAndMeetsItself) {
    const std::array<Vec3, 9> p = spineControlPoints(stagePhases(Bottle, 0.0));
    const Vec3 expected[9] = {{-2.2, 0, 0.99}, {-2.2, 0, 1.76},   {0, 0, 1.76},
                              {2.75, 0, 0.22}, {2.75, 2.2, 0.22}, {0, 2.2, 0.22},
                              {0, 0, 0.22},    {-2.2, 0, 0.22},   {-2.2, 0, 0.99}};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        expectNear(p[i], expected[i], 1e-12);
    }
    // The label stage mirrors the same points in x.
    const std::array<Vec3, 9> mirrored = spineControlPoints(stagePhases(Label, 0.0));
    for (int i = 0; i < 9; ++i) {
        expectNear(mirrored[i], {-expected[i].x, expected[i].y, expected[i].z}, 1e-12);
    }
}

TEST(KleinSpineControlPoints, StartAsOneHorizontalLine) {
    for (double r : {0.6, 1.1}) {
        StagePhases phases;
        phases.scale = r;
        const std::array<Vec3, 9> p = spineControlPoints(phases);
        const double xs[9] = {-2.7, -2, 0, 2.5, 4.5, 7, 9, 11, 11.7};
        for (int i = 0; i < 9; ++i) {
            expectNear(p[i], {xs[i] * r, 0, 1.6 * r}, 1e-12);
        }
    }
}

TEST(KleinSpineFrames, AreOrthonormalWithAHorizontalSideAtEveryStage) {
    std::mt19937 random(21);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 40; ++trial) {
        const KleinStage stage = trial % 4 == 0 ? Rolling : trial % 4 == 1 ? Label : Closing;
        const KleinMesh surface = kleinMesh(stage, unit(random));
        for (const SpineFrame& f : surface.frames) {
            EXPECT_NEAR(f.side.z, 0.0, 1e-15);
            EXPECT_NEAR(length(f.side), 1.0, 1e-12);
            EXPECT_NEAR(dot(f.side, f.along), 0.0, 1e-12);
            expectNear(cross(f.up, f.side), f.along, 1e-12);
            const Vec3 binormal = f.binormalFlat + Vec3{0, 0, f.binormalUp};
            EXPECT_NEAR(length(binormal), 1.0, 1e-6);
            EXPECT_NEAR(dot(binormal, f.side), 0.0, 1e-12);
            EXPECT_EQ(f.ground.z, 0.0);
            EXPECT_EQ(f.height, f.point.z);
            EXPECT_GT(f.height, 0.0);
        }
    }
}

TEST(KleinSpineFrames, BorrowTheHorizontalDirectionWhereTheSpineRunsVertically) {
    // A spine that starts straight up from the ground and then turns towards +x and +y: its
    // tangent at u = 0 is vertical (to within the difference step), further in it is not.
    BSplineCurve spine(7, 3);
    const Vec3 points[7] = {{0, 0, 0},   {0, 0, 3},   {1, 0, 3.5}, {2, 1, 3.5},
                            {3, 2, 3.5}, {4, 2, 3.5}, {5, 2, 3.5}};
    for (int i = 0; i < 7; ++i) {
        spine.setControlPoint(i, points[i]);
    }
    Vec3 point;
    Vec3 tangent;
    spine.pointAndTangent(0.0, point, tangent);
    ASSERT_LT(tangent.x * tangent.x + tangent.y * tangent.y, 0.00001);
    const SpineFrame frame = spineFrame(spine, 0.0);
    ASSERT_TRUE(isFinite(frame.side));
    // The side comes from the tangent at u = 0.1, while point and binormal stay at u = 0.
    Vec3 nearPoint;
    Vec3 nearTangent;
    spine.pointAndTangent(0.1, nearPoint, nearTangent);
    const Vec3 flat{nearTangent.x, nearTangent.y, 0.0};
    expectNear(frame.side, Vec3{flat.y, -flat.x, 0.0} / length(flat), 1e-12);
    expectNear(frame.point, point, 0.0);
    const Vec3 binormal = cross(tangent, frame.side);
    expectNear(frame.binormalFlat, {binormal.x, binormal.y, 0.0}, 1e-15);
    EXPECT_EQ(frame.binormalUp, binormal.z);

    // At the far end the side is borrowed from 0.1 before the end instead.
    BSplineCurve reversed(7, 3);
    for (int i = 0; i < 7; ++i) {
        reversed.setControlPoint(i, points[6 - i]);
    }
    reversed.pointAndTangent(1.0, point, tangent);
    ASSERT_LT(tangent.x * tangent.x + tangent.y * tangent.y, 0.00001);
    reversed.pointAndTangent(0.9, nearPoint, nearTangent);
    const SpineFrame end = spineFrame(reversed, 1.0);
    expectNear(end.side,
               Vec3{nearTangent.y, -nearTangent.x, 0.0} / std::hypot(nearTangent.x, nearTangent.y),
               1e-12);

    // Where the tangent is not vertical the frame keeps its own.
    spine.pointAndTangent(0.6, point, tangent);
    const SpineFrame late = spineFrame(spine, 0.6);
    expectNear(late.side, Vec3{tangent.y, -tangent.x, 0.0} / std::hypot(tangent.x, tangent.y),
               1e-12);
}

TEST(KleinMeshRolling, AtTheStartIsANearlyFlatStripAlongHalfAStraightSpine) {
    const KleinMesh surface = kleinMesh(Rolling, 0.0);
    // The spine is the line y = 0, z = 0.96; row 0 sits on P0 (x = -1.62) and row 99 on the
    // spine's middle, where a uniform cubic weighs P3, P4, P5 by 1/6, 4/6, 1/6.
    const double r = 0.6;
    EXPECT_NEAR(surface.frames[99].point.x, (2.5 * r + 4 * 4.5 * r + 7 * r) / 6, 1e-12);
    expectNear(surface.vertex(0, 0), {-1.62, 0.4953, 0.9595}, 1e-4);
    expectNear(surface.vertex(99, 49), {2.75, -0.4953, 0.9595}, 1e-4);
    // Nearly flat: the normals are the flat strip's, turned by only a hundredth of the ring's.
    for (const Vec3& n : surface.normals) {
        expectNear(n, {0, 0, -1}, 0.001);
    }
    // About one unit wide across the spine, everywhere.
    for (int i = 0; i < rows; ++i) {
        EXPECT_NEAR(distance(surface.vertex(i, 0), surface.vertex(i, 49)), 1.0, 0.01);
        for (int j = 0; j < columns; ++j) {
            EXPECT_NEAR(surface.vertex(i, j).z, 0.96, 0.001);
        }
    }
}

TEST(KleinMeshRolling, AtTheEndIsAClosedTubeOfRadiusTheSpineHeight) {
    const KleinMesh surface = kleinMesh(Rolling, 1.0);
    for (int i = 0; i < rows; ++i) {
        const SpineFrame& f = surface.frames[i];
        for (int j = 0; j < columns; ++j) {
            const Vec3& v = surface.vertex(i, j);
            EXPECT_NEAR(distance(v, f.ground), 0.96, 1e-12);
            // The ring lies in the plane across the spine...
            EXPECT_NEAR(dot(v - f.ground, f.along), 0.0, 1e-12);
            // ...and the normal is radial, pointing at the tube's centre line.
            EXPECT_NEAR(dot(surface.normal(i, j), (f.ground - v) / 0.96), 1.0, 1e-9);
        }
        // Column 0 and column 49 both sit at the bottom of the ring: the tube is closed.
        expectNear(surface.vertex(i, 0), surface.vertex(i, 49), 1e-12);
    }
}

TEST(KleinMeshClosing, StartsExactlyWhereRollingEnds) {
    const KleinMesh rolled = kleinMesh(Rolling, 1.0);
    const KleinMesh closing = kleinMesh(Closing, 0.0);
    for (std::size_t k = 0; k < rolled.vertices.size(); ++k) {
        expectNear(closing.vertices[k], rolled.vertices[k], 1e-12);
        expectNear(closing.normals[k], rolled.normals[k], 1e-12);
    }
}

TEST(KleinMeshBottle, EndRingsAreOneCircleRunInOppositeDirections) {
    const KleinMesh bottle = kleinMesh(Bottle, 0.0);
    expectNear(bottle.vertex(0, 0), {-2.2, 0, -0.99}, 1e-9);
    expectNear(bottle.vertex(0, 24), {-2.2, 0.99 * std::sin(pi / 49), 0.99 * std::cos(pi / 49)},
               1e-6);
    expectNear(bottle.frames[0].side, {0, -1, 0}, 1e-3);
    expectNear(bottle.frames[99].side, {0, 1, 0}, 1e-3);
    for (int j = 0; j < columns; ++j) {
        SCOPED_TRACE(j);
        // Both end rings lie on the circle of radius 0.99 about (-2.2, 0, 0) in the plane
        // x = -2.2, their normals perpendicular to it.
        EXPECT_NEAR(bottle.vertex(0, j).x, -2.2, 1e-9);
        EXPECT_NEAR(bottle.vertex(99, j).x, -2.2, 1e-3);
        EXPECT_NEAR(distance(bottle.vertex(0, j), {-2.2, 0, 0}), 0.99, 1e-9);
        expectNear(bottle.normal(0, j), {1, 0, 0}, 0.01);
    }
    // ...and not column j: the direction is reversed.
    EXPECT_GT(distance(bottle.vertex(99, 10), bottle.vertex(0, 10)), 0.5);
}

// Wherever the spine has closed, column j of the last ring is column 49 - j of the first to the
// last bit, with the normal reversed (the gluing turns the surface over), so no pixel can fall
// between them. While the spine is still open the ends stay apart.
TEST(KleinMeshBottle, ClosedSpineGluesTheLastRingOntoTheFirstExactly) {
    struct Closed {
        KleinStage stage;
        double progress;
        double cutOpening;
    };
    for (const Closed& c : {Closed{Bottle, 0.0, 0.0}, Closed{Closing, 1.0, 0.0},
                            Closed{Label, 0.3, 0.0}, Closed{Halves, 0.7, 0.4}}) {
        SCOPED_TRACE(c.stage);
        const KleinMesh mesh = kleinMesh(c.stage, c.progress, c.cutOpening);
        for (int j = 0; j < columns; ++j) {
            expectNear(mesh.vertex(99, 49 - j), mesh.vertex(0, j), 0.0);
            expectNear(mesh.normal(99, 49 - j), -mesh.normal(0, j), 0.0);
            // Still the ring its own frame gives, to within the old gap.
            const MeshPoint own = ringPoint(
                mesh.frames[99], ringShape(c.stage, c.progress, c.cutOpening), 49 - j, columns);
            expectNear(own.position, mesh.vertex(0, j), 1e-3);
        }
    }
    const KleinMesh open = kleinMesh(Closing, 0.9);
    EXPECT_GT(distance(open.vertex(99, 49), open.vertex(0, 0)), 0.01);
}

TEST(KleinMeshBottle, NeckPassesThroughTheBody) {
    const KleinMesh bottle = kleinMesh(Bottle, 0.0);
    // Some ring of the neck (low spine) lies wholly inside a ring of the body (high spine) in
    // the same plane: the body's ring is centred on the same ground point, bigger.
    int neckRowsUnderBody = 0;
    for (int i = 0; i < rows; ++i) {
        const SpineFrame& f = bottle.frames[i];
        if (f.height < 0.3 && f.point.x < -0.5 && f.point.x > -1.8) {
            for (int k = 0; k < rows; ++k) {
                const SpineFrame& body = bottle.frames[k];
                if (body.height > 1.5 && std::abs(body.point.x - f.point.x) < 0.05) {
                    ++neckRowsUnderBody;
                    break;
                }
            }
        }
    }
    EXPECT_GE(neckRowsUnderBody, 3);
}

TEST(KleinMeshCut, KeepsTheUpperHalfRingWithItsArcLength) {
    for (double opening : {0.00001, 0.3, 0.7, 1.0}) {
        const KleinMesh half = kleinMesh(Halves, 0.0, opening);
        const double k = 1.0 - 0.99 * opening;
        for (int i = 0; i < rows; i += 7) {
            const SpineFrame& f = half.frames[i];
            double arc = 0.0;
            for (int j = 0; j < columns; ++j) {
                const Vec3& v = half.vertex(i, j);
                // On the circle of radius h / K through the spine point, centred below it.
                EXPECT_NEAR(distance(v, f.point - (f.height / k) * f.up), f.height / k,
                            1e-9 * f.height / k);
                EXPECT_NEAR(length(half.normal(i, j)), 1.0, 1e-6);
                if (j > 0) {
                    arc += distance(v, half.vertex(i, j - 1));
                }
            }
            // The polygon's length approaches pi h from below.
            EXPECT_NEAR(arc, pi * f.height, 0.002 * pi * f.height) << "opening " << opening;
            // Fully opened, the half ring is nearly straight: no point strays from the chord
            // between its ends by more than a hundredth of the arc.
            if (opening == 1.0) {
                const Vec3 a = half.vertex(i, 0);
                const Vec3 chord = half.vertex(i, columns - 1) - a;
                for (int j = 0; j < columns; ++j) {
                    const Vec3 off = half.vertex(i, j) - a;
                    const double stray = length(cross(off, chord)) / length(chord);
                    EXPECT_LT(stray, 0.01 * pi * f.height);
                }
            }
        }
    }
}

TEST(KleinMeshCut, MirrorReflectsPositionsInTheGroundPlane) {
    const KleinMesh half = kleinMesh(Halves, 0.0, 0.4);
    const KleinMesh mirrored = mirroredMesh(half);
    for (std::size_t k = 0; k < half.vertices.size(); ++k) {
        const Vec3& v = half.vertices[k];
        const Vec3& n = half.normals[k];
        expectNear(mirrored.vertices[k], {v.x, v.y, -v.z}, 0.0);
        expectNear(mirrored.normals[k], {-n.x, -n.y, n.z}, 0.0);
    }
}

// Every vertex and normal of every stage is finite for every value the controls can give.
// Every vertex and normal of every stage is finite for every value the controls can give.
TEST(KleinMeshSweep, NoStageOrControlValueGivesANonFiniteVertexOrNormal) {
    auto check = [](const char* what, double value, const KleinMesh& mesh) {
        for (std::size_t k = 0; k < mesh.vertices.size(); ++k) {
            ASSERT_TRUE(isFinite(mesh.vertices[k])) << what << " " << value << " at " << k;
            ASSERT_TRUE(isFinite(mesh.normals[k])) << what << " " << value << " at " << k;
            ASSERT_GT(length(mesh.normals[k]), 0.5) << what << " " << value << " at " << k;
        }
    };
    // The rectangle scene's slider: rolling over its first half, closing over its second.
    for (int step = 0; step <= 1000; ++step) {
        const double t = step / 1000.0;
        const StageSetting setting = rectangleSetting(t);
        check("rectangle slider", t, kleinMesh(setting.stage, setting.progress));
    }
    // The cut scene's slider: the cut mesh at every opening it uses.
    for (int step = 0; step <= 400; ++step) {
        const double t = step / 400.0;
        check("cut slider", t, kleinMesh(Halves, t, halvesPose(t).opening));
    }
    // The label scene's dial, from -1000 to 1000 radians.
    for (int step = 0; step <= 400; ++step) {
        const double angle = -1000.0 + 5.0 * step;
        check("label dial", angle, kleinMesh(Label, labelProgress(angle)));
    }
    check("bottle", 0.0, kleinMesh(Bottle, 0.0));
}

TEST(KleinGlueMarks, FollowTheFirstAndLastRowsAndColumns) {
    EXPECT_EQ(nearestSample(0.0, rows), 0);
    EXPECT_EQ(nearestSample(1.0, rows), 99);
    EXPECT_EQ(nearestSample(0.5, rows), 50);
    EXPECT_EQ(nearestSample(0.5, columns), 25);
    EXPECT_EQ(nearestSample(-4.0, rows), 0);
    EXPECT_EQ(nearestSample(1e300, rows), 99);
    EXPECT_EQ(nearestSample(std::nan(""), rows), 0);

    const KleinMesh surface = kleinMesh(Closing, 0.4);
    const std::vector<EdgeSample> ring = ringEdgeSamples(surface, 1.0);
    ASSERT_EQ(static_cast<int>(ring.size()), columns);
    for (int j = 0; j < columns; ++j) {
        expectNear(ring[j].centre, surface.vertex(99, j), 0.0);
        // Across the ring, in the surface: a unit vector perpendicular to the normal.
        EXPECT_NEAR(length(ring[j].across), 1.0, 1e-12);
        EXPECT_NEAR(dot(ring[j].across, surface.normal(99, j)), 0.0, 1e-9);
        // The tube wall at angle 0 lies along the across direction, at pi / 2 against the
        // normal.
        expectNear(edgeTubeOffset(ring[j], 0.0), ring[j].across, 1e-15);
        expectNear(edgeTubeOffset(ring[j], pi / 2), -1.0 * ring[j].normal, 1e-15);
    }
    const std::vector<EdgeSample> column = columnEdgeSamples(surface, 1.0);
    ASSERT_EQ(static_cast<int>(column.size()), rows);
    for (int i = 0; i < rows; ++i) {
        expectNear(column[i].centre, surface.vertex(i, 49), 0.0);
    }
}

// The marks along the long edges stay round tubes, also at the bottle's ends where the spine
// runs vertically, and their cross-section turns smoothly from one row to the next.
TEST(KleinGlueMarks, LongEdgeMarksStayRoundWhereTheSpineRunsVertically) {
    for (double progress : {0.4, 0.8, 1.0}) {
        const KleinMesh surface = kleinMesh(Closing, progress);
        for (double position : {0.0, 1.0}) {
            const std::vector<EdgeSample> column = columnEdgeSamples(surface, position);
            for (int i = 0; i < rows; ++i) {
                SCOPED_TRACE(::testing::Message() << progress << " " << position << " row " << i);
                EXPECT_NEAR(length(column[i].across), 1.0, 0.03);
                EXPECT_NEAR(dot(column[i].across, column[i].normal), 0.0, 1e-9);
                if (i > 0) {
                    EXPECT_LT(distance(column[i].across, column[i - 1].across), 0.3);
                }
            }
        }
    }
}

TEST(KleinBands, StripedDrawsEveryOtherBand) {
    const std::vector<int> solid = surfaceBands(SolidMode, rows);
    const std::vector<int> glass = surfaceBands(GlassMode, rows);
    const std::vector<int> striped = surfaceBands(StripedMode, rows);
    ASSERT_EQ(solid.size(), 99u);
    EXPECT_EQ(glass, solid);
    ASSERT_EQ(striped.size(), 50u);
    for (std::size_t k = 0; k < striped.size(); ++k) {
        EXPECT_EQ(striped[k], static_cast<int>(2 * k));
    }
}

} // namespace
} // namespace tessivo
