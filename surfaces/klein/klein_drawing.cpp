#include "surfaces/klein/klein_drawing.h"

#include "math/angles.h"
#include "math/draw_helpers.h"
#include "surfaces/klein/label_picture.h"
#include "surfaces/klein/label_placement.h"

#include <utility>

namespace tessivo {

namespace {

constexpr int rows = KleinMesh::rows;
constexpr int columns = KleinMesh::columns;

void add(SurfaceDrawing& drawing, std::vector<DrawPrimitive> primitives) {
    for (DrawPrimitive& primitive : primitives) {
        drawing.push_back(std::move(primitive));
    }
}

// The quad strip of the band from row r to row r + 1 over the columns columnStart..columnEnd.
DrawPrimitive band(const KleinMesh& mesh, int r, int columnStart, int columnEnd) {
    DrawPrimitive strip;
    for (int j = columnStart; j <= columnEnd; ++j) {
        strip.vertices.push_back({mesh.normal(r, j), mesh.vertex(r, j)});
        strip.vertices.push_back({mesh.normal(r + 1, j), mesh.vertex(r + 1, j)});
    }
    return strip;
}

std::vector<DrawPrimitive> bands(const KleinMesh& mesh, const std::vector<StripRange>& ranges) {
    std::vector<DrawPrimitive> strips;
    for (const StripRange& range : ranges) {
        for (int r = range.rowStart; r < range.rowEnd; ++r) {
            strips.push_back(band(mesh, r, range.columnStart, range.columnEnd));
        }
    }
    return strips;
}

// The two passes of glass: the bands translucent and lit by the glass light, then the same
// bands once more in the highlight material and added on top, which adds only the highlights.
// Every layer of glass shows through the others: the bottle's glass is drawn without the depth
// test; the glass around the label keeps the test, so that the label hides the glass behind
// it, but writes no depth. (Both passes are drawn directly: recording them in a display list
// every frame made the GL driver's memory grow for as long as the glass was shown.)
void addGlass(SurfaceDrawing& d, std::vector<DrawPrimitive> glass, bool depthTest) {
    const DrawStep depthOff = depthTest ? DrawStep{DepthWritesStep{false}} : DepthTestStep{false};
    const DrawStep depthOn = depthTest ? DrawStep{DepthWritesStep{true}} : DepthTestStep{true};
    d.push_back(bottleMaterial);
    d.push_back(GlassLightStep{true});
    d.push_back(BlendStep{Blending::Translucent});
    d.push_back(depthOff);
    add(d, glass);
    d.push_back(GlassLightStep{false});
    d.push_back(highlightMaterial);
    d.push_back(BlendStep{Blending::Additive});
    add(d, std::move(glass));
    d.push_back(BlendStep{Blending::Off});
    d.push_back(depthOn);
}

void addSurface(SurfaceDrawing& d, const KleinMesh& mesh, int drawMode) {
    std::vector<DrawPrimitive> strips;
    for (int r : surfaceBands(drawMode, rows)) {
        strips.push_back(band(mesh, r, 0, columns - 1));
    }
    if (drawMode == GlassMode) {
        addGlass(d, std::move(strips), false);
        return;
    }
    d.push_back(bottleMaterial);
    add(d, std::move(strips));
}

// A glue mark: six flat sides, each a strip between the angles k pi / 3 and the previous one,
// a smooth-shaded hexagonal tube, coloured along its length from hueStart to hueEnd.
void addEdgeTube(SurfaceDrawing& d, const std::vector<EdgeSample>& samples, double hueStart,
                 double hueEnd) {
    constexpr double radius = 0.04;
    constexpr double brightness = 4.0;
    const int count = static_cast<int>(samples.size());
    double previous = 5.0 * pi / 3.0;
    for (int k = 0; k < 6; ++k) {
        const double theta = k * pi / 3.0;
        DrawPrimitive side;
        for (int i = 0; i < count; ++i) {
            const double f = static_cast<double>(i) / (count - 1);
            const Vec3 colour = hueRamp(hueStart * (1.0 - f) + hueEnd * f, brightness);
            const EdgeSample& s = samples[static_cast<std::size_t>(i)];
            const Vec3 here = edgeTubeOffset(s, theta);
            const Vec3 before = edgeTubeOffset(s, previous);
            side.vertices.push_back({here, s.centre + radius * here});
            side.vertices.push_back({before, s.centre + radius * before});
            side.colours.insert(side.colours.end(), 2, colour);
        }
        d.push_back(std::move(side));
        previous = theta;
    }
}

void addGlueMarks(SurfaceDrawing& d, const KleinMesh& mesh) {
    d.push_back(highlightMaterial);
    d.push_back(ColourMaterialStep{ColourMaterial::Ambient});
    // The hue runs the same way along both long edges, which are glued as they lie, and
    // opposite ways round the two end rings, which are glued with a flip.
    addEdgeTube(d, columnEdgeSamples(mesh, 0.0), 0.0, 0.25);
    addEdgeTube(d, columnEdgeSamples(mesh, 1.0), 0.0, 0.25);
    addEdgeTube(d, ringEdgeSamples(mesh, 0.0), 0.5, 0.25);
    addEdgeTube(d, ringEdgeSamples(mesh, 1.0), 0.25, 0.5);
    d.push_back(ColourMaterialStep{ColourMaterial::None});
}

// The bands of a label piece with the picture's coordinates; the picture runs over all the rows
// of the piece.
std::vector<DrawPrimitive> texturedBands(const KleinMesh& mesh, const LabelPiece& piece) {
    const StripRange& range = piece.range;
    std::vector<DrawPrimitive> strips;
    for (int r = range.rowStart; r < range.rowEnd; ++r) {
        DrawPrimitive strip = band(mesh, r, range.columnStart, range.columnEnd);
        for (int k = 0; k <= range.columnEnd - range.columnStart; ++k) {
            for (const bool upper : {false, true}) {
                strip.textureCoordinates.push_back(
                    labelTextureCoordinate(piece, r - range.rowStart, k, upper));
            }
        }
        strips.push_back(std::move(strip));
    }
    return strips;
}

// The label, and the rest of the bottle as glass with a hole where the label is.
void addLabel(SurfaceDrawing& d, const KleinMesh& mesh, double progress) {
    const LabelPicture& picture = carriedLabelPicture();
    const LabelPlacement placement = labelPlacement(progress, rows, columns);
    d.push_back(labelMaterial);
    d.push_back(TextureStep{picture.width, picture.height, picture.pixels.data()});
    for (const LabelPiece& piece : labelPieces(placement, rows)) {
        add(d, texturedBands(mesh, piece));
    }
    d.push_back(TextureStep{});
    addGlass(d, bands(mesh, glassAroundLabel(placement, rows, columns)), true);
}

void addHalves(SurfaceDrawing& d, double progress, int drawMode) {
    constexpr double apart = 2.65;
    const HalvesPose pose = halvesPose(progress);
    const KleinMesh half = kleinMesh(Halves, progress, pose.opening);
    d.push_back(PushMatrixStep{});
    d.push_back(TranslateStep{{0, -apart * pose.swing, 0}});
    addSurface(d, half, drawMode);
    d.push_back(PopMatrixStep{});
    if (pose.swing > 0.0) {
        // The mirror image swings open about the line y = apart, z = 0 of the moving frame.
        d.push_back(PushMatrixStep{});
        d.push_back(TranslateStep{{0, -apart * pose.swing, 0}});
        d.push_back(TranslateStep{{0, apart, 0}});
        d.push_back(RotateStep{180.0 * pose.swing, {1, 0, 0}});
        d.push_back(TranslateStep{{0, -apart, 0}});
        addSurface(d, mirroredMesh(half), drawMode);
        d.push_back(PopMatrixStep{});
    }
}

} // namespace

std::vector<int> surfaceBands(int drawMode, int rows) {
    const int step = drawMode == StripedMode ? 2 : 1;
    std::vector<int> bands;
    for (int r = 0; r < rows - 1; r += step) {
        bands.push_back(r);
    }
    return bands;
}

HalvesPose halvesPose(double progress) {
    HalvesPose pose{2.0 * progress, progress == 0.0 ? 0.0 : 0.00001};
    if (pose.swing > 1.0) {
        pose.opening = pose.swing - 1.0;
        pose.swing = 1.0;
    }
    return pose;
}

SurfaceDrawing kleinDrawing(const StageSetting& setting) {
    SurfaceDrawing d;
    d.push_back(PushMatrixStep{});
    d.push_back(RotateStep{180.0, setting.stage == Label ? Vec3{0, 0, 1} : Vec3{1, 0, 0}});
    if (setting.stage == Halves) {
        addHalves(d, setting.progress, setting.drawMode);
    } else {
        const KleinMesh mesh = kleinMesh(setting.stage, setting.progress);
        if (setting.stage == Label) {
            addLabel(d, mesh, setting.progress);
        } else {
            addSurface(d, mesh, setting.drawMode);
        }
        if (setting.stage == Rolling || setting.stage == Closing) {
            addGlueMarks(d, mesh);
        }
    }
    d.push_back(PopMatrixStep{});
    return d;
}

} // namespace tessivo
