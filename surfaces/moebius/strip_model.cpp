#include "surfaces/moebius/strip_model.h"

#include "scene/clock.h"
#include "surfaces/moebius/wheel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace tessivo {

namespace {

// sin(t) / t, with its limit 1 at t = 0.
double sinc(double t) {
    return t == 0.0 ? 1.0 : std::sin(t) / t;
}

void add(SurfaceDrawing& drawing, const RgbaColour& colour) {
    drawing.push_back(MaterialStep{colour});
}

void add(SurfaceDrawing& drawing, DrawPrimitive primitive) {
    drawing.push_back(std::move(primitive));
}

void add(SurfaceDrawing& drawing, std::vector<DrawPrimitive> primitives) {
    for (DrawPrimitive& primitive : primitives) {
        drawing.push_back(std::move(primitive));
    }
}

// The largest offset that -0.0001 t0 gives for an int t0, with some room.
constexpr double largestClockOffset = 214748.5;

} // namespace

// ---- Geometry ----

MoebiusFrame StripModel::frameAt(double x) const {
    const double s = 2.0 * x - 1.0;
    const double a = (1.0 - bend) * startLength + bend * closedLength;
    const Vec3 up{0.0, 0.0, 1.0};
    if (bend == 0.0) {
        return {{0.0, s * a / 2.0, 0.0}, up, {-1.0, 0.0, 0.0}};
    }
    const double b = a / (2.0 * pi);
    const double theta = s * bend * twist / 2.0;
    // The arc of radius d = b / bend is walked by the angle phi = s a / 2d = s bend pi. Its
    // point d (1 - cos phi, sin phi) is written with the arc length d phi = s a / 2 and sinc,
    // so that it stays finite when d is huge (bend near 0) and meets the straight band there:
    // d sin phi = d phi sinc phi, d (1 - cos phi) = 2 d sin^2(phi/2) = d phi sin(phi/2)
    // sinc(phi/2).
    const double phi = s * bend * pi;
    const double arcLength = s * a / 2.0;
    const Vec3 centre{arcLength * std::sin(phi / 2.0) * sinc(phi / 2.0) - bend * b,
                      arcLength * sinc(phi), 0.0};
    const Vec3 radial{-std::cos(phi), std::sin(phi), 0.0};
    const double c = std::cos(theta);
    const double t = std::sin(theta);
    return {centre, c * up + t * radial, c * radial - t * up};
}

void StripModel::setTwistFromAngle(double angle) {
    if (!std::isfinite(angle)) {
        return;
    }
    // In turns of pi; the fractional part is taken upward, also for negative angles.
    const double c = angle / pi;
    const double whole = std::floor(c);
    const double f = c - whole;
    if (f < 0.1) {
        twist = whole * pi;
    } else if (f > 0.9) {
        twist = (whole + 1.0) * pi;
    } else {
        twist = c * pi;
    }
}

double StripModel::cutSeparation(double x) const {
    return std::clamp(std::sin(2.0 * pi * x) - 1.0 + 3.0 * cutSpread, 0.0, 1.0);
}

int StripModel::regionPatchSegments(double xa, double xb) {
    return 10 + static_cast<int>(246.0 * std::abs(xb - xa));
}

DrawPrimitive StripModel::faceStrip(double wa, double na, double wb, double nb, double e, double f,
                                    double g) const {
    return faceSpan(wa, na, wb, nb, e, f, g, 0.0, 1.0, lengthSegments);
}

DrawPrimitive StripModel::faceSpan(double wa, double na, double wb, double nb, double e, double f,
                                   double g, double xa, double xb, int k) const {
    DrawPrimitive strip{PrimitiveKind::QuadStrip, {}};
    if (k < 1) {
        return strip;
    }
    strip.vertices.reserve(2 * static_cast<size_t>(k + 1));
    for (int i = 0; i <= k; ++i) {
        const double x = ((k - i) * xa + i * xb) / k;
        const MoebiusFrame frame = frameAt(x);
        const Vec3 shift = (0.25 * g * cutSeparation(x)) * frame.across;
        const Vec3 normal = e * frame.across + f * frame.normal;
        strip.vertices.push_back({normal, stripPoint(frame, wa, na) + shift});
        strip.vertices.push_back({normal, stripPoint(frame, wb, nb) + shift});
    }
    return strip;
}

DrawPrimitive StripModel::shiftedStrip(double wa, double na, double wb, double nb, double e,
                                       double f, double dw, double dn) const {
    DrawPrimitive strip{PrimitiveKind::QuadStrip, {}};
    strip.vertices.reserve(2 * (lengthSegments + 1));
    for (int i = 0; i <= lengthSegments; ++i) {
        const MoebiusFrame frame = frameAt(static_cast<double>(i) / lengthSegments);
        const Vec3 normal = e * frame.across + f * frame.normal;
        strip.vertices.push_back({normal, stripPoint(frame, wa + dw, na + dn)});
        strip.vertices.push_back({normal, stripPoint(frame, wb + dw, nb + dn)});
    }
    return strip;
}

std::vector<DrawPrimitive> StripModel::endCaps(double wa, double na, double wb, double nb,
                                               double xa, double xb) const {
    std::vector<DrawPrimitive> caps;
    for (const double x : {xa, xb}) {
        const MoebiusFrame frame = frameAt(x);
        const Vec3 normal = -cross(frame.across, frame.normal);
        caps.push_back({PrimitiveKind::Polygon,
                        {{normal, stripPoint(frame, wa, na)},
                         {normal, stripPoint(frame, wa, nb)},
                         {normal, stripPoint(frame, wb, nb)},
                         {normal, stripPoint(frame, wb, na)}}});
    }
    return caps;
}

std::vector<DrawPrimitive> StripModel::regionPatch(double ua, double ub, double xa,
                                                   double xb) const {
    const double wp = (ua - 0.5) * stripWidth;
    const double wq = (ub - 0.5) * stripWidth;
    const double h = thickness / 2.0;
    const int k = regionPatchSegments(xa, xb);
    std::vector<DrawPrimitive> faces;
    for (const double n : {h, -h}) {
        DrawPrimitive strip{PrimitiveKind::QuadStrip, {}};
        strip.vertices.reserve(2 * static_cast<size_t>(k + 1));
        for (int i = 0; i <= k; ++i) {
            const MoebiusFrame frame = frameAt(xa + i * (xb - xa) / k);
            strip.vertices.push_back({frame.normal, stripPoint(frame, wp, n)});
            strip.vertices.push_back({frame.normal, stripPoint(frame, wq, n)});
        }
        faces.push_back(std::move(strip));
    }
    return faces;
}

std::vector<DrawPrimitive> StripModel::borderPatch(double ua, double ub, double xa,
                                                   double xb) const {
    const double wp = (ua - 0.5) * stripWidth;
    const double wq = (ub - 0.5) * stripWidth;
    const double h = thickness / 2.0;
    const MoebiusFrame first = frameAt(xa);
    const MoebiusFrame last = frameAt(xb);
    std::vector<DrawPrimitive> faces;
    for (const double n : {h, -h}) {
        faces.push_back({PrimitiveKind::Polygon,
                         {{first.normal, stripPoint(first, wp, n)},
                          {first.normal, stripPoint(first, wq, n)},
                          {last.normal, stripPoint(last, wq, n)},
                          {last.normal, stripPoint(last, wp, n)}}});
    }
    return faces;
}

// ---- Renderings ----
//
// Normals face into the band: the face at +ht gets -normal, the face at -ht +normal, the edge
// at +hw -across and the edge at -hw +across.

void StripModel::applyMode() {
    if (mode > 0) {
        bend = 1.0;
        cutSpread = param;
    } else if (mode == 0) {
        cutSpread = 0.0;
        bend = param;
    }
}

SurfaceDrawing StripModel::solidDrawing() const {
    const double hw = stripWidth / 2.0;
    const double ht = thickness / 2.0;
    SurfaceDrawing d;
    add(d, faceColour);
    add(d, faceStrip(hw, ht, -hw, ht, 0, -1, 0));
    add(d, faceStrip(-hw, -ht, hw, -ht, 0, 1, 0));
    add(d, edgeColour);
    add(d, faceStrip(hw, -ht, hw, ht, -1, 0, 1));
    add(d, faceStrip(-hw, ht, -hw, -ht, 1, 0, -1));
    if (bend < 1.0) {
        // An open band shows its two ends.
        add(d, endCaps(-hw, -ht, hw, ht, 0, 1));
    }
    return d;
}

SurfaceDrawing StripModel::translucentDrawing() const {
    const double hw = stripWidth / 2.0;
    const double ht = thickness / 2.0;
    SurfaceDrawing d;
    // Glass: every layer shows through the others, so none may hide another in the depth buffer.
    d.push_back(DepthWritesStep{false});
    d.push_back(BlendStep{Blending::Translucent});
    add(d, translucentColour);
    add(d, faceStrip(hw, ht, -hw, ht, 0, -1, 0));
    add(d, faceStrip(-hw, -ht, hw, -ht, 0, 1, 0));
    add(d, faceStrip(hw, -ht, hw, ht, -1, 0, 1));
    add(d, faceStrip(-hw, ht, -hw, -ht, 1, 0, -1));
    d.push_back(DepthWritesStep{true});
    d.push_back(BlendStep{Blending::Off});
    return d;
}

SurfaceDrawing StripModel::stripedDrawing() const {
    const double hw = stripWidth / 2.0;
    const double ht = thickness / 2.0;
    SurfaceDrawing d;
    // Each block covers three quarters of its twentieth of the length.
    for (int i = 0; i < 20; ++i) {
        const double xa = 0.05 * i;
        const double xb = xa + 0.0375;
        add(d, faceColour);
        add(d, faceSpan(hw, ht, -hw, ht, 0, -1, 0, xa, xb, 10));
        add(d, faceSpan(-hw, -ht, hw, -ht, 0, 1, 0, xa, xb, 10));
        add(d, edgeColour);
        add(d, endCaps(-hw, -ht, hw, ht, xa, xb));
        add(d, faceSpan(hw, -ht, hw, ht, -1, 0, 0, xa, xb, 10));
        add(d, faceSpan(-hw, ht, -hw, -ht, 1, 0, 0, xa, xb, 10));
    }
    return d;
}

SurfaceDrawing StripModel::cutInTwoDrawing() const {
    const double hw = stripWidth / 2.0;
    const double ht = thickness / 2.0;
    SurfaceDrawing d;
    // The half on the +across side drifts by +0.25 l(x) across, the other by -0.25 l(x).
    // Where the closed band meets itself across is reversed, so the drifting halves join end
    // to end into one band twice as long.
    add(d, faceColour);
    add(d, faceStrip(hw, ht, 0, ht, 0, -1, 1));
    add(d, faceStrip(0, -ht, hw, -ht, 0, 1, 1));
    add(d, faceStrip(0, ht, -hw, ht, 0, -1, -1));
    add(d, faceStrip(-hw, -ht, 0, -ht, 0, 1, -1));
    add(d, edgeColour);
    add(d, faceStrip(hw, -ht, hw, ht, -1, 0, 1));
    add(d, faceStrip(-hw, ht, -hw, -ht, 1, 0, -1));
    add(d, faceStrip(0, -ht, 0, ht, -1, 0, 1));
    add(d, faceStrip(0, ht, 0, -ht, 1, 0, -1));
    return d;
}

SurfaceDrawing StripModel::slidingDrawing() const {
    const double w = stripWidth;
    const double ht = thickness / 2.0;
    const double eps = 0.04;
    // Piece P covers across 0..w and piece Q -w..0. They circle round each other: across by
    // f, which swings from w/2 + (w/2 + 0.1) to w/2 - (w/2 + 0.1), and along the normal by h,
    // so that they pass 0.28 apart in thickness when they cover each other.
    const double angle = 4.0 * pi * param;
    const double f = w / 2.0 + std::cos(angle) * (w / 2.0 + 0.1);
    const double h = 0.14 * std::sin(angle);
    auto p = [&](double wa, double na, double wb, double nb, double e, double fn) {
        return shiftedStrip(wa, na, wb, nb, e, fn, -f, h);
    };
    auto q = [&](double wa, double na, double wb, double nb, double e, double fn) {
        return shiftedStrip(wa, na, wb, nb, e, fn, f, -h);
    };
    SurfaceDrawing d;
    add(d, faceColour);
    add(d, p(w - eps, ht, eps, ht, 0, -1));
    add(d, q(-eps, ht, -(w - eps), ht, 0, -1));
    add(d, p(eps, -ht, w - eps, -ht, 0, 1));
    add(d, q(-(w - eps), -ht, -eps, -ht, 0, 1));
    // A dark border of width eps along each long side of each piece, on both faces.
    add(d, slidingBorderColour);
    add(d, p(w, ht, w - eps, ht, 0, -1));
    add(d, q(-(w - eps), ht, -w, ht, 0, -1));
    add(d, p(w - eps, -ht, w, -ht, 0, 1));
    add(d, q(-w, -ht, -(w - eps), -ht, 0, 1));
    add(d, p(eps, ht, 0, ht, 0, -1));
    add(d, q(0, ht, -eps, ht, 0, -1));
    add(d, p(0, -ht, eps, -ht, 0, 1));
    add(d, q(-eps, -ht, 0, -ht, 0, 1));
    add(d, edgeColour);
    add(d, p(w, -ht, w, ht, -1, 0));
    add(d, p(0, -ht, 0, ht, -1, 0));
    add(d, q(-w, ht, -w, -ht, 1, 0));
    add(d, q(0, ht, 0, -ht, 1, 0));
    return d;
}

SurfaceDrawing StripModel::cutInThreeDrawing() const {
    const double hw = stripWidth / 2.0;
    const double ht = thickness / 2.0;
    // Cuts a sixth of the width on either side of the middle line; the outer pieces drift by
    // twice the half-band's drift, the middle piece stays.
    const double c = hw / 3.0;
    SurfaceDrawing d;
    add(d, faceColour);
    add(d, faceStrip(hw, ht, c, ht, 0, -1, 2));
    add(d, faceStrip(-c, ht, -hw, ht, 0, -1, -2));
    add(d, faceStrip(-hw, -ht, -c, -ht, 0, 1, -2));
    add(d, faceStrip(c, -ht, hw, -ht, 0, 1, 2));
    const bool middleShown = middlePiece < 2;
    if (middleShown) {
        if (middlePiece > 0) {
            add(d, highlightColour);
        }
        add(d, faceStrip(c, ht, -c, ht, 0, -1, 0));
        add(d, faceStrip(-c, -ht, c, -ht, 0, 1, 0));
    }
    add(d, edgeColour);
    add(d, faceStrip(hw, -ht, hw, ht, -1, 0, 2));
    add(d, faceStrip(-hw, ht, -hw, -ht, 1, 0, -2));
    add(d, faceStrip(c, ht, c, -ht, 1, 0, 2));
    add(d, faceStrip(-c, -ht, -c, ht, -1, 0, -2));
    if (middleShown) {
        add(d, faceStrip(c, -ht, c, ht, -1, 0, 0));
        add(d, faceStrip(-c, ht, -c, -ht, 1, 0, 0));
    }
    return d;
}

std::vector<StripMapPatch> StripModel::mapLayout() {
    // The band in thirds of its width. Across the seam the first third continues as the last
    // third, so together they make one outer lane twice the band's length, crossed by three
    // borders; the middle third is a lane of its own, crossed by three more: six regions.
    constexpr double third = 1.0 / 3.0;
    const double laneEnd = 0.94 * third; // the outer lane's part on the first third ends here
    const double middleStart = 1.06 * third;
    const double middleEnd = 1.94 * third;
    const double laneStart = 2.06 * third; // its part on the last third starts here
    using Shape = StripMapPatch::Shape;
    return {
        {0, Shape::Long, laneEnd, middleStart, 0, 1},
        {0, Shape::Long, middleEnd, laneStart, 0, 1},
        {0, Shape::Short, 0, laneEnd, 0.994 * third, 1.006 * third},
        {0, Shape::Short, middleStart, middleEnd, 0.494 * third, 0.506 * third},
        {0, Shape::Short, middleStart, middleEnd, 0.498, 0.502},
        {0, Shape::Short, middleStart, middleEnd, 2.494 * third, 2.506 * third},
        {0, Shape::Short, laneStart, 1, 1.994 * third, 2.006 * third},
        // Across the seam: its half before x = 0 is the end of region 2 seen from the other
        // side of the band.
        {0, Shape::Short, laneStart, 1, -0.002, 0.002},
        {1, Shape::Long, 0, laneEnd, 0, 0.994 * third},
        {1, Shape::Long, laneStart, 1, 2.006 * third, 1},
        {2, Shape::Long, 0, laneEnd, 1.006 * third, 0.998},
        {3, Shape::Long, middleStart, middleEnd, 0, 0.494 * third},
        {3, Shape::Long, middleStart, middleEnd, 2.506 * third, 1},
        {4, Shape::Long, middleStart, middleEnd, 0.506 * third, 0.498},
        {5, Shape::Long, middleStart, middleEnd, 0.502, 2.494 * third},
        {6, Shape::Long, laneStart, 1, 0.002, 1.994 * third},
    };
}

RgbaColour StripModel::regionColour(int region) const {
    // Only palette indices exist; anything else shows as uncoloured.
    const int index = region >= 1 && region <= 6 ? regionColours[static_cast<size_t>(region)] : 0;
    return mapPalette[index >= 0 && index < 7 ? static_cast<size_t>(index) : 0];
}

SurfaceDrawing StripModel::mapDrawing() const {
    const double hw = stripWidth / 2.0;
    const double ht = thickness / 2.0;
    SurfaceDrawing d;
    // The borders come first, before any name is loaded, so that picking them finds no region.
    add(d, mapBorderColour);
    int name = 0;
    for (const StripMapPatch& patch : mapLayout()) {
        if (patch.name != name) {
            name = patch.name;
            d.push_back(NameStep{name});
            add(d, regionColour(name));
        }
        if (patch.shape == StripMapPatch::Shape::Long) {
            add(d, regionPatch(patch.ua, patch.ub, patch.xa, patch.xb));
        } else {
            add(d, borderPatch(patch.ua, patch.ub, patch.xa, patch.xb));
        }
    }
    d.push_back(NameStep{0});
    add(d, edgeColour);
    add(d, faceStrip(hw, -ht, hw, ht, -1, 0, 1));
    add(d, faceStrip(-hw, ht, -hw, -ht, 1, 0, -1));
    return d;
}

SurfaceDrawing StripModel::appearanceDrawing() const {
    if (appearance == 1) {
        return stripedDrawing();
    }
    if (appearance >= 2) {
        return translucentDrawing();
    }
    return solidDrawing();
}

// ---- The wheels ----

void StripModel::addWheel() {
    if (wheelOffsets.size() < maximumWheels) {
        wheelOffsets.push_back(-wheelSpeed * nowMilliseconds());
    }
}

void StripModel::removeOldestWheel() {
    if (!wheelOffsets.empty()) {
        wheelOffsets.erase(wheelOffsets.begin());
    }
}

void StripModel::clearWheels() {
    wheelOffsets.clear();
}

double StripModel::wheelParameter(double offset, int now) {
    if (!(std::abs(offset) <= largestClockOffset)) {
        // Not an offset that addWheel makes: the plain formula.
        return wheelSpeed * now + offset + 1.0;
    }
    // offset = -0.0001 t0 for the start time t0, an int: recover t0 (the rounding error of the
    // product is far below half a millisecond), and keep whatever of the offset is not a
    // whole millisecond. The wrap-safe difference of the two clock readings then counts the
    // time since the start across the clock's wrap.
    const long long start = std::llround(-offset / wheelSpeed);
    const double rest = offset + wheelSpeed * static_cast<double>(start);
    const int startTime = static_cast<int>(static_cast<std::uint32_t>(start));
    const int elapsed = millisecondsBetween(startTime, now);
    return 1.0 + wheelSpeed * elapsed + rest;
}

std::vector<double> StripModel::wheelParameters(int now) const {
    std::vector<double> parameters;
    for (const double offset : wheelOffsets) {
        parameters.push_back(wheelParameter(offset, now));
    }
    return parameters;
}

WheelPose StripModel::wheelPoseAt(double x) const {
    const MoebiusFrame frame = frameAt(x);
    const double ht = thickness / 2.0;
    return {stripPoint(frame, 0.0, ht), stripPoint(frame, 0.0, ht + wheelRadius), frame.across,
            frame.normal, wheelRollDegrees(x * closedLength) * (pi / 180.0)};
}

} // namespace tessivo
