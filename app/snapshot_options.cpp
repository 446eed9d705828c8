#include "app/snapshot_options.h"

#include "app/split_at.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace tessivo {

const char* const snapshotUsage =
    "usage: tessivo-snapshot --list\n"
    "       tessivo-snapshot --scene ID --out FILE.png [--size WxH] [--set K=V]...\n"
    "                        [--turn YAW,PITCH] [--time MS] [--overlay-scale S]\n"
    "                        [--no-controls]\n"
    "  --list          print each registered scene: identifier, a tab, its caption\n"
    "  --size WxH      picture size in pixels (default 800x600)\n"
    "  --set K=V       control K of the scene's own controls (from 0) takes the value V:\n"
    "                  a slider's value, a dial's angle in radians, a choice row's item\n"
    "  --turn Y,P      turn the object by Y degrees of yaw and P of pitch\n"
    "  --time MS       the clock's reading in milliseconds for animated parts (default 0)\n"
    "  --overlay-scale S  window pixels per unit of the controls, 1 to 8 (default 1)\n"
    "  --no-controls   the 3D view alone, without the controls over it";

namespace {

constexpr int largestSide = 8192;
constexpr double smallestOverlayScale = 1.0;
constexpr double largestOverlayScale = 8.0;

// A whole decimal number filling all of text.
std::optional<long> parseInteger(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') {
        return std::nullopt;
    }
    return value;
}

// A finite real number filling all of text.
std::optional<double> parseReal(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

ParsedSnapshotOptions failure(const std::string& reason) {
    return {std::nullopt, reason};
}

} // namespace

ParsedSnapshotOptions parseSnapshotOptions(const std::vector<std::string>& arguments) {
    SnapshotOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--list") {
            options.list = true;
            continue;
        }
        if (name == "--no-controls") {
            options.noControls = true;
            continue;
        }
        if (name == "--help") {
            options.help = true;
            continue;
        }
        if (name != "--scene" && name != "--out" && name != "--size" && name != "--set" &&
            name != "--turn" && name != "--time" && name != "--overlay-scale") {
            return failure("unknown option '" + name + "'");
        }
        if (i + 1 >= arguments.size()) {
            return failure(name + " needs a value");
        }
        const std::string& value = arguments[++i];
        if (name == "--scene") {
            options.scene = value;
        } else if (name == "--out") {
            options.out = value;
        } else if (name == "--size") {
            const auto parts = splitAt(value, 'x');
            const auto w = parts.size() == 2 ? parseInteger(parts[0]) : std::nullopt;
            const auto h = parts.size() == 2 ? parseInteger(parts[1]) : std::nullopt;
            if (!w || !h || *w < 1 || *h < 1 || *w > largestSide || *h > largestSide) {
                return failure("bad size '" + value + "': expected WxH, each 1 to " +
                               std::to_string(largestSide));
            }
            options.width = static_cast<int>(*w);
            options.height = static_cast<int>(*h);
        } else if (name == "--set") {
            // K is what comes before the first '='; a V with an '=' of its own is no number.
            const auto parts = splitAt(value, '=');
            const auto k = parts.size() >= 2 ? parseInteger(parts[0]) : std::nullopt;
            const auto v = parts.size() == 2 ? parseReal(parts[1]) : std::nullopt;
            if (!k || *k < 0 || *k > INT_MAX) {
                return failure("bad control in '" + value + "': expected K=V with K = 0, 1, ...");
            }
            if (!v) {
                return failure("bad value in '" + value + "': expected a finite number");
            }
            options.settings.push_back({static_cast<int>(*k), *v});
        } else if (name == "--turn") {
            const auto parts = splitAt(value, ',');
            const auto yaw = parts.size() == 2 ? parseReal(parts[0]) : std::nullopt;
            const auto pitch = parts.size() == 2 ? parseReal(parts[1]) : std::nullopt;
            if (!yaw || !pitch) {
                return failure("bad turn '" + value + "': expected YAW,PITCH in degrees");
            }
            options.yaw = *yaw;
            options.pitch = *pitch;
        } else if (name == "--overlay-scale") {
            const auto scale = parseReal(value);
            if (!scale || *scale < smallestOverlayScale || *scale > largestOverlayScale) {
                return failure("bad overlay scale '" + value + "': expected a number from 1 to 8");
            }
            options.overlayScale = *scale;
        } else {
            const auto ms = parseInteger(value);
            if (!ms || *ms < INT_MIN || *ms > INT_MAX) {
                return failure("bad time '" + value + "': expected whole milliseconds");
            }
            options.time = static_cast<int>(*ms);
        }
    }
    if (options.list || options.help) {
        return {options, ""};
    }
    if (options.scene.empty()) {
        return failure("no scene given (--scene ID; --list shows them)");
    }
    if (options.out.empty()) {
        return failure("no output file given (--out FILE.png)");
    }
    return {options, ""};
}

} // namespace tessivo
