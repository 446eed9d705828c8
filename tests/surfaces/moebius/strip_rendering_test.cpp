#include "surfaces/moebius/strip_model.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace tessivo {
namespace {

// The primitives of a drawing, and the materials and names that precede them.
std::vector<DrawPrimitive> primitivesOf(const SurfaceDrawing& drawing) {
    std::vector<DrawPrimitive> primitives;
    for (const DrawStep& step : drawing) {
        if (const auto* primitive = std::get_if<DrawPrimitive>(&step)) {
            primitives.push_back(*primitive);
        }
    }
    return primitives;
}

int countOf(const SurfaceDrawing& drawing, PrimitiveKind kind) {
    int count = 0;
    for (const DrawPrimitive& primitive : primitivesOf(drawing)) {
        count += primitive.kind == kind;
    }
    return count;
}

bool usesColour(const SurfaceDrawing& drawing, const RgbaColour& colour) {
    for (const DrawStep& step : drawing) {
        if (const auto* material = std::get_if<MaterialStep>(&step)) {
            const RgbaColour& c = material->colour;
            if (c.r == colour.r && c.g == colour.g && c.b == colour.b && c.a == colour.a) {
                return true;
            }
        }
    }
    return false;
}

// Across and normal coordinates of a vertex of sample i of a full-length strip.
struct CrossSection {
    double w, n;
};
CrossSection crossSection(const StripModel& strip, const DrawPrimitive& primitive, size_t v) {
    const MoebiusFrame frame = strip.frameAt(static_cast<double>(v / 2) / 256.0);
    const Vec3 d = primitive.vertices[v].position - frame.centre;
    return {dot(d, frame.across), dot(d, frame.normal)};
}

StripModel stripInMode(int mode, double param) {
    StripModel strip;
    strip.mode = mode;
    strip.param = param;
    strip.applyMode();
    return strip;
}

TEST(MoebiusPrimitives, SampleCountsAndResolution) {
    StripModel strip;
    strip.bend = 0.7;
    EXPECT_EQ(StripModel::regionPatchSegments(0.0, 1.0), 256);
    EXPECT_EQ(StripModel::regionPatchSegments(0.0, 0.33133), 91);
    EXPECT_EQ(StripModel::regionPatchSegments(0.5, 0.5), 10);
    EXPECT_EQ(StripModel::regionPatchSegments(0.33133, 0.0), 91);
    const DrawPrimitive face = strip.faceStrip(0.5, 0.025, -0.5, 0.025, 0, -1, 0);
    EXPECT_EQ(face.kind, PrimitiveKind::QuadStrip);
    EXPECT_EQ(face.vertices.size(), 2u * 257u);
    const DrawPrimitive span = strip.faceSpan(0.5, 0.0, -0.5, 0.0, 0, 1, 0, 0.2, 0.4, 10);
    ASSERT_EQ(span.vertices.size(), 22u);
    for (int i = 0; i <= 10; ++i) {
        const MoebiusFrame frame = strip.frameAt(0.2 + 0.02 * i);
        EXPECT_NEAR(length(span.vertices[2 * i].position - stripPoint(frame, 0.5, 0)), 0, 1e-12);
        EXPECT_NEAR(length(span.vertices[2 * i].normal - frame.normal), 0, 1e-12);
    }
    EXPECT_TRUE(strip.faceSpan(0.5, 0, -0.5, 0, 0, 1, 0, 0.2, 0.4, 0).vertices.empty());
    const auto patch = strip.regionPatch(0, 1.0 / 3.0, 0.0, 0.33133);
    ASSERT_EQ(patch.size(), 2u);
    EXPECT_EQ(patch[0].vertices.size(), 2u * 92u);
    EXPECT_EQ(patch[1].vertices.size(), 2u * 92u);
    // The last sample lies at xb.
    const MoebiusFrame last = strip.frameAt(0.33133);
    EXPECT_NEAR(length(patch[0].vertices.back().position - stripPoint(last, -1.0 / 6.0, 0.025)), 0,
                1e-12);
    EXPECT_NEAR(length(patch[1].vertices.back().position - stripPoint(last, -1.0 / 6.0, -0.025)), 0,
                1e-12);
    EXPECT_NEAR(length(patch[1].vertices.back().normal - last.normal), 0, 1e-12);
}

// Caps close the cross-section at each end; a border patch runs from xa to xb on both faces.
TEST(MoebiusPrimitives, CapsAndBorderPatchesSitWhereAsked) {
    StripModel strip;
    strip.bend = 0.4;
    const auto caps = strip.endCaps(-0.5, -0.025, 0.5, 0.025, 0.0, 1.0);
    ASSERT_EQ(caps.size(), 2u);
    for (int end = 0; end < 2; ++end) {
        const MoebiusFrame frame = strip.frameAt(end);
        for (const DrawVertex& v : caps[static_cast<size_t>(end)].vertices) {
            const Vec3 d = v.position - frame.centre;
            EXPECT_NEAR(std::abs(dot(d, frame.across)), 0.5, 1e-12);
            EXPECT_NEAR(std::abs(dot(d, frame.normal)), 0.025, 1e-12);
            EXPECT_NEAR(length(v.normal + cross(frame.across, frame.normal)), 0, 1e-12);
        }
    }
    const auto border = strip.borderPatch(0.25, 0.75, 0.3, 0.31);
    ASSERT_EQ(border.size(), 2u);
    for (int face = 0; face < 2; ++face) {
        const auto& corners = border[static_cast<size_t>(face)].vertices;
        ASSERT_EQ(corners.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const MoebiusFrame frame = strip.frameAt(i < 2 ? 0.3 : 0.31);
            const double w = (i == 0 || i == 3) ? -0.25 : 0.25;
            const Vec3 expected = stripPoint(frame, w, face == 0 ? 0.025 : -0.025);
            EXPECT_NEAR(length(corners[static_cast<size_t>(i)].position - expected), 0, 1e-12);
            EXPECT_NEAR(length(corners[static_cast<size_t>(i)].normal - frame.normal), 0, 1e-12);
        }
    }
}

TEST(MoebiusRenderings, SolidShowsItsCapsOnlyWhileOpen) {
    const StripModel open = stripInMode(0, 0.999);
    EXPECT_EQ(open.bend, 0.999);
    EXPECT_EQ(countOf(open.solidDrawing(), PrimitiveKind::QuadStrip), 4);
    EXPECT_EQ(countOf(open.solidDrawing(), PrimitiveKind::Polygon), 2);
    const StripModel closed = stripInMode(0, 1.0);
    EXPECT_EQ(countOf(closed.solidDrawing(), PrimitiveKind::QuadStrip), 4);
    EXPECT_EQ(countOf(closed.solidDrawing(), PrimitiveKind::Polygon), 0);
    const StripModel glass = stripInMode(1, 0.0);
    const SurfaceDrawing translucent = glass.translucentDrawing();
    EXPECT_EQ(countOf(translucent, PrimitiveKind::QuadStrip), 4);
    EXPECT_EQ(countOf(translucent, PrimitiveKind::Polygon), 0);
    ASSERT_TRUE(std::holds_alternative<DepthWritesStep>(translucent.front()));
    EXPECT_FALSE(std::get<DepthWritesStep>(translucent.front()).on);
    ASSERT_TRUE(std::holds_alternative<BlendStep>(translucent.back()));
    EXPECT_EQ(std::get<BlendStep>(translucent.back()).blending, Blending::Off);
    const auto* writesAgain = std::get_if<DepthWritesStep>(&translucent[translucent.size() - 2]);
    ASSERT_TRUE(writesAgain);
    EXPECT_TRUE(writesAgain->on);
    EXPECT_TRUE(usesColour(translucent, StripModel::translucentColour));
    EXPECT_FALSE(usesColour(translucent, StripModel::faceColour));
}

// The face and edge normals of the solid band point into it, towards the centre line.
TEST(MoebiusRenderings, SolidNormalsFaceIntoTheBand) {
    for (const double bend : {0.0, 0.3, 1.0}) {
        const StripModel strip = stripInMode(0, bend);
        for (const DrawPrimitive& primitive : primitivesOf(strip.solidDrawing())) {
            if (primitive.kind != PrimitiveKind::QuadStrip) {
                continue;
            }
            for (size_t v = 0; v < primitive.vertices.size(); ++v) {
                const MoebiusFrame frame = strip.frameAt(static_cast<double>(v / 2) / 256.0);
                const DrawVertex& vertex = primitive.vertices[v];
                EXPECT_LT(dot(vertex.normal, vertex.position - frame.centre), 0.0);
                EXPECT_NEAR(length(vertex.normal), 1.0, 1e-12);
            }
        }
    }
}

TEST(MoebiusRenderings, StripedBandIsTwentyBlocks) {
    const StripModel strip = stripInMode(1, 0.0);
    const SurfaceDrawing striped = strip.stripedDrawing();
    EXPECT_EQ(countOf(striped, PrimitiveKind::QuadStrip), 80);
    EXPECT_EQ(countOf(striped, PrimitiveKind::Polygon), 40);
    // Block i runs from 0.05 i to 0.05 i + 0.0375: its first face span starts and ends there.
    const auto primitives = primitivesOf(striped);
    for (int i = 0; i < 20; ++i) {
        const DrawPrimitive& face = primitives[static_cast<size_t>(6 * i)];
        ASSERT_EQ(face.vertices.size(), 22u);
        const Vec3 start = stripPoint(strip.frameAt(0.05 * i), 0.5, 0.025);
        const Vec3 end = stripPoint(strip.frameAt(0.05 * i + 0.0375), -0.5, 0.025);
        EXPECT_NEAR(length(face.vertices.front().position - start), 0, 1e-12);
        EXPECT_NEAR(length(face.vertices.back().position - end), 0, 1e-12);
    }
}

// The wheel scene's band looks as its icon row says: twenty blocks, glass, or solid.
TEST(MoebiusRenderings, WheelBandTakesTheChosenAppearance) {
    StripModel strip = stripInMode(1, 0.0);
    auto glass = [](const SurfaceDrawing& d) {
        return !d.empty() && std::holds_alternative<DepthWritesStep>(d.front()) &&
               usesColour(d, StripModel::translucentColour);
    };
    strip.appearance = 1;
    EXPECT_EQ(countOf(strip.appearanceDrawing(), PrimitiveKind::QuadStrip), 80);
    EXPECT_FALSE(glass(strip.appearanceDrawing()));
    for (const int translucent : {2, 3}) {
        strip.appearance = translucent;
        EXPECT_EQ(countOf(strip.appearanceDrawing(), PrimitiveKind::QuadStrip), 4);
        EXPECT_TRUE(glass(strip.appearanceDrawing()));
    }
    for (const int solid : {0, -1}) {
        strip.appearance = solid;
        EXPECT_EQ(countOf(strip.appearanceDrawing(), PrimitiveKind::QuadStrip), 4);
        EXPECT_FALSE(glass(strip.appearanceDrawing()));
        EXPECT_TRUE(usesColour(strip.appearanceDrawing(), StripModel::faceColour));
    }
}

// Mode 3: the halves touch at spread 0 and have each drifted a quarter width at spread 1.
TEST(MoebiusRenderings, CutInTwoHalvesDriftApart) {
    for (const double spread : {0.0, 0.5, 1.0}) {
        const StripModel strip = stripInMode(3, spread);
        EXPECT_EQ(strip.bend, 1.0);
        EXPECT_EQ(strip.cutSpread, spread);
        const auto primitives = primitivesOf(strip.cutInTwoDrawing());
        ASSERT_EQ(primitives.size(), 8u);
        // The two cut edges: the +across half's at index 6, the other's at 7.
        const DrawPrimitive& plusCut = primitives[6];
        const DrawPrimitive& minusCut = primitives[7];
        for (size_t v = 0; v < plusCut.vertices.size(); ++v) {
            const double l = strip.cutSeparation(static_cast<double>(v / 2) / 256.0);
            EXPECT_NEAR(crossSection(strip, plusCut, v).w, 0.25 * l, 1e-12);
            EXPECT_NEAR(crossSection(strip, minusCut, v).w, -0.25 * l, 1e-12);
            if (spread == 1.0) {
                EXPECT_EQ(l, 1.0);
            }
        }
        // The outer edges move with their halves.
        EXPECT_NEAR(crossSection(strip, primitives[4], 130).w,
                    0.5 + 0.25 * strip.cutSeparation(65.0 / 256.0), 1e-12);
    }
}

TEST(MoebiusRenderings, CutInThreeMiddlePieceChoices) {
    StripModel strip = stripInMode(5, 1.0);
    for (const int choice : {0, 1, 2}) {
        strip.middlePiece = choice;
        const SurfaceDrawing drawing = strip.cutInThreeDrawing();
        const auto primitives = primitivesOf(drawing);
        EXPECT_EQ(primitives.size(), choice < 2 ? 12u : 8u);
        EXPECT_EQ(usesColour(drawing, StripModel::highlightColour), choice == 1);
        // No remaining primitive lies within the middle piece: every vertex of the outer
        // pieces is beyond the cuts at a sixth of the width, pushed out by half a width.
        int middle = 0;
        for (const DrawPrimitive& primitive : primitives) {
            const double w = crossSection(strip, primitive, 200).w;
            if (std::abs(w) < 0.2) {
                ++middle;
            } else {
                EXPECT_GE(std::abs(w), 1.0 / 6.0 + 0.5 - 1e-12);
            }
        }
        EXPECT_EQ(middle, choice < 2 ? 4 : 0);
    }
}

TEST(MoebiusRenderings, SlidingPiecesExchangeSides) {
    auto extent = [](double param) {
        StripModel strip;
        strip.mode = 4;
        strip.param = param;
        strip.applyMode();
        const auto primitives = primitivesOf(strip.slidingDrawing());
        EXPECT_EQ(primitives.size(), 16u);
        // Faces: P top, Q top. Their across extents and heights at one sample.
        const CrossSection p0 = crossSection(strip, primitives[0], 100);
        const CrossSection p1 = crossSection(strip, primitives[0], 101);
        const CrossSection q0 = crossSection(strip, primitives[1], 100);
        const CrossSection q1 = crossSection(strip, primitives[1], 101);
        return std::array<double, 6>{std::min(p0.w, p1.w),
                                     std::max(p0.w, p1.w),
                                     std::min(q0.w, q1.w),
                                     std::max(q0.w, q1.w),
                                     p0.n,
                                     q0.n};
    };
    const double eps = 0.04;
    const auto start = extent(0.0);
    EXPECT_NEAR(start[0], -1.1 + eps, 1e-12);
    EXPECT_NEAR(start[1], -0.1 - eps, 1e-12);
    EXPECT_NEAR(start[2], 0.1 + eps, 1e-12);
    EXPECT_NEAR(start[3], 1.1 - eps, 1e-12);
    const auto covering = extent(0.125);
    EXPECT_NEAR(covering[0], -0.5 + eps, 1e-12);
    EXPECT_NEAR(covering[2], -0.5 + eps, 1e-12);
    EXPECT_NEAR(covering[4] - covering[5], 0.28, 1e-12); // P above Q along the normal
    const auto exchanged = extent(0.25);
    EXPECT_NEAR(exchanged[0], 0.1 + eps, 1e-12);
    EXPECT_NEAR(exchanged[2], -1.1 + eps, 1e-12);
    const auto period = extent(0.75);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(period[static_cast<size_t>(i)], exchanged[static_cast<size_t>(i)], 1e-9);
    }
}

// The map's patches tile both faces of the band: each point (u, x) of the band, with the seam
// identifying (u, x) at x < 0 with (1 - u, x + 1), is in exactly one patch.
TEST(MoebiusMap, PatchesTileTheBand) {
    const auto layout = StripModel::mapLayout();
    std::mt19937 random(8);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::array<int, 7> hitsPerName{};
    for (int i = 0; i < 20000; ++i) {
        const double u = unit(random);
        const double x = unit(random);
        int covering = 0;
        int name = -1;
        for (const StripMapPatch& patch : layout) {
            for (const double shift : {0.0, 1.0}) {
                const double pu = shift == 0.0 ? u : 1.0 - u;
                const double px = x - shift;
                if (pu > patch.ua && pu < patch.ub && px > patch.xa && px < patch.xb) {
                    ++covering;
                    name = patch.name;
                }
            }
        }
        ASSERT_EQ(covering, 1) << "u " << u << " x " << x;
        ++hitsPerName[static_cast<size_t>(name)];
    }
    // The outer lane (first and last thirds, twice the band's length) is split into regions
    // 1, 2 and 6, the middle third into 3, 4 and 5: a fifth and a tenth of the band, less the
    // borders.
    for (int name = 1; name <= 6; ++name) {
        const double share = name <= 2 || name == 6 ? 0.207 : 0.097;
        EXPECT_NEAR(hitsPerName[static_cast<size_t>(name)] / 20000.0, share, 0.01) << name;
    }
}

// The colour that follows each region's name in the drawing, by name.
std::map<int, RgbaColour> regionMaterials(const SurfaceDrawing& drawing) {
    std::map<int, RgbaColour> colours;
    for (size_t i = 0; i + 1 < drawing.size(); ++i) {
        const auto* name = std::get_if<NameStep>(&drawing[i]);
        const auto* material = std::get_if<MaterialStep>(&drawing[i + 1]);
        if (name && material && name->name > 0) {
            colours[name->name] = material->colour;
        }
    }
    return colours;
}

bool sameColour(const RgbaColour& a, const RgbaColour& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

TEST(MoebiusMap, RegionsAreNamedAndColouredFromThePalette) {
    StripModel strip = stripInMode(6, 0.0);
    strip.regionColours = {0, 3, 0, 6, 0, 1, 0};
    const SurfaceDrawing drawing = strip.mapDrawing();
    std::vector<int> names;
    int primitivesBeforeAnyName = 0;
    for (const DrawStep& step : drawing) {
        if (const auto* name = std::get_if<NameStep>(&step)) {
            names.push_back(name->name);
        } else if (names.empty() && std::holds_alternative<DrawPrimitive>(step)) {
            ++primitivesBeforeAnyName;
        }
    }
    EXPECT_EQ(names, (std::vector<int>{1, 2, 3, 4, 5, 6, 0}));
    EXPECT_EQ(primitivesBeforeAnyName, 16); // eight borders, both faces each
    // Region r in palette entry regionColours[r]; entry 0 is the grey of an uncoloured one.
    const std::map<int, int> entries{{1, 3}, {2, 0}, {3, 6}, {4, 0}, {5, 1}, {6, 0}};
    const auto colours = regionMaterials(drawing);
    ASSERT_EQ(colours.size(), 6u);
    for (const auto& [region, entry] : entries) {
        EXPECT_TRUE(sameColour(colours.at(region), StripModel::mapPalette[entry])) << region;
    }
    // Indices outside the palette show as uncoloured instead of reading past it.
    strip.regionColours = {0, 7, -1, 1000, 0, 0, 0};
    const auto outOfRange = regionMaterials(strip.mapDrawing());
    EXPECT_EQ(outOfRange.size(), 6u);
    for (const auto& [region, colour] : outOfRange) {
        EXPECT_TRUE(sameColour(colour, StripModel::mapPalette[0])) << region;
    }
}

} // namespace
} // namespace tessivo
