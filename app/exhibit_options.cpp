#include "app/exhibit_options.h"

#include "app/split_at.h"
#include "scene/scene_registry.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace tessivo {

namespace {

constexpr double smallestScale = 1.0;
constexpr double largestScale = 8.0;
constexpr int longestIdleSeconds = 86400;
constexpr double fastestAttract = 360.0;
constexpr int highestFrameRate = 240;
constexpr int largestWindowSide = 16384;
constexpr int longestTourSeconds = 3600;

bool isToolkitOptionWithValue(const std::string& argument) {
    return argument == "-display" || argument == "-geometry";
}

bool isToolkitFlag(const std::string& argument) {
    return argument == "-iconic" || argument == "-direct" || argument == "-indirect" ||
           argument == "-gldebug" || argument == "-sync";
}

bool readNumber(const std::string& text, double& number) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    number = std::strtod(text.c_str(), &end);
    return errno == 0 && *end == '\0' && std::isfinite(number);
}

bool readWhole(const std::string& text, int& number) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 9) {
        return false;
    }
    number = std::atoi(text.c_str());
    return true;
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : ", ") + word;
    }
    return text;
}

// Each setter checks one option's value and stores it; it returns the complaint, empty if none.
using Setter = std::function<std::string(const std::string&, ExhibitOptions&)>;

std::string setScenes(const std::string& value, ExhibitOptions& options,
                      const std::vector<std::string>& known) {
    options.scenes = splitAt(value, ',');
    for (const std::string& identifier : options.scenes) {
        if (std::find(known.begin(), known.end(), identifier) == known.end()) {
            return "unknown scene '" + identifier + "'; the scenes are " + joined(known);
        }
    }
    return {};
}

std::string setLanguage(const std::string& value, ExhibitOptions& options) {
    if (value != "en" && value != "it") {
        return "'" + value + "' is not en or it";
    }
    options.englishTitles = value == "en";
    return {};
}

std::string setScale(const std::string& value, ExhibitOptions& options) {
    double scale = 0.0;
    if (!readNumber(value, scale) || scale < smallestScale || scale > largestScale) {
        return "'" + value + "' is not a number from 1 to 8";
    }
    options.scale = scale;
    return {};
}

std::string setIdleReset(const std::string& value, ExhibitOptions& options) {
    int seconds = 0;
    if (!readWhole(value, seconds) || seconds > longestIdleSeconds) {
        return "'" + value + "' is not a whole number of seconds from 0 to 86400";
    }
    options.idleResetSeconds = seconds;
    return {};
}

std::string setAttract(const std::string& value, ExhibitOptions& options) {
    double degrees = 0.0;
    if (!readNumber(value, degrees) || degrees < 0.0 || degrees > fastestAttract) {
        return "'" + value + "' is not a number of degrees per second from 0 to 360";
    }
    options.attractDegreesPerSecond = degrees;
    return {};
}

std::string setMaxFps(const std::string& value, ExhibitOptions& options) {
    int rate = 0;
    if (!readWhole(value, rate) || rate < 0 || rate > highestFrameRate) {
        return "'" + value + "' is not a whole number from 0 (no limit) to 240";
    }
    options.maxFramesPerSecond = rate;
    return {};
}

std::string setWindow(const std::string& value, ExhibitOptions& options) {
    const std::vector<std::string> sides = splitAt(value, 'x');
    int width = 0, height = 0;
    if (sides.size() != 2 || !readWhole(sides[0], width) || !readWhole(sides[1], height) ||
        width < 1 || height < 1 || width > largestWindowSide || height > largestWindowSide) {
        return "'" + value + "' is not WIDTHxHEIGHT in pixels, such as 1280x720";
    }
    options.windowWidth = width;
    options.windowHeight = height;
    return {};
}

std::string setCaptions(const std::string& value, ExhibitOptions& options) {
    if (value.empty()) {
        return "needs the name of a file";
    }
    options.captionsFile = value;
    return {};
}

std::string setTour(const std::string& value, ExhibitOptions& options) {
    int seconds = 0;
    if (!readWhole(value, seconds) || seconds > longestTourSeconds) {
        return "'" + value + "' is not a whole number of seconds from 0 to 3600";
    }
    options.tourSeconds = seconds;
    return {};
}

std::string setTexts(const std::string& value, ExhibitOptions& options) {
    if (value != "on" && value != "off") {
        return "'" + value + "' is not on or off";
    }
    options.showTexts = value == "on";
    return {};
}

} // namespace

ParsedExhibitOptions parseExhibitOptions(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& sceneIdentifiers) {
    const std::map<std::string, Setter> valued = {
        {"--scenes", [&](const std::string& v,
                         ExhibitOptions& o) { return setScenes(v, o, sceneIdentifiers); }},
        {"--language", setLanguage},
        {"--scale", setScale},
        {"--idle-reset", setIdleReset},
        {"--attract", setAttract},
        {"--max-fps", setMaxFps},
        {"--window", setWindow},
        {"--captions", setCaptions},
        {"--tour", setTour},
        {"--texts", setTexts},
    };
    ParsedExhibitOptions parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (isToolkitFlag(argument)) {
            continue;
        }
        if (isToolkitOptionWithValue(argument)) {
            if (++i == arguments.size()) {
                parsed.error = argument + " needs a value";
                return parsed;
            }
            continue;
        }
        if (argument == "--help") {
            parsed.options.help = true;
            continue;
        }
        if (argument == "--staff-keys") {
            parsed.options.staffKeys = true;
            continue;
        }
        if (argument == "--touch") {
            parsed.options.touch = true;
            continue;
        }
        if (argument == "--print-layout") {
            parsed.options.printLayout = true;
            continue;
        }
        // --name=value and --name value are the same.
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto setter = valued.find(name);
        if (setter == valued.end()) {
            parsed.error = "unknown option " + argument + " (try --help)";
            return parsed;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (++i < arguments.size()) {
            value = arguments[i];
        } else {
            parsed.error = name + " needs a value";
            return parsed;
        }
        const std::string complaint = setter->second(value, parsed.options);
        if (!complaint.empty()) {
            parsed.error = name + ": " + complaint;
            return parsed;
        }
    }
    return parsed;
}

std::string exhibitHelpText() {
    return "Usage: tessivo-exhibit [OPTION]...\n"
           "Shows the Tessivo scenes full screen on an unattended exhibition screen.\n"
           "\n"
           "  --scenes ID,ID,...    the show list, in this order (default:\n"
           "                        " +
           joined(SceneRegistry::defaultShowList()) +
           ")\n"
           "  --language en|it      titles and help in English or Italian (default it)\n"
           "  --scale S             size of the on-screen controls, 1 to 8 (default: the\n"
           "                        screen's height / 600, rounded down to a quarter, at\n"
           "                        most its width / 320)\n"
           "  --idle-reset SECONDS  back to the start after this long without input\n"
           "                        (default 90; 0 never)\n"
           "  --attract DEG         while idle, the object turns DEG degrees per second\n"
           "                        about the vertical (default 6; 0 off)\n"
           "  --max-fps N           at most N frames per second (default 60; 0 no limit)\n"
           "  --window WxH          a normal window of W x H pixels instead of full screen\n"
           "  --staff-keys          S shows the colour picker, Escape and F1 to F3 quit\n"
           "  --captions FILE       titles and help lines from FILE, a UTF-8 line a scene:\n"
           "                        ID<TAB>title<TAB>help\n"
           "  --tour SECONDS        while idle, play each scene's controls for this long,\n"
           "                        then the next scene (default 20; 0 no tour)\n"
           "  --texts on|off        the scene's title and help at the top (default on)\n"
           "  --touch               controls for fingers: every target at least 44 units\n"
           "                        across, none overlapping, all inside the window\n"
           "  --print-layout        print the controls' places in window pixels after\n"
           "                        every change of the window's size\n"
           "  --help                this text\n"
           "\n"
           "The staff quit with Ctrl+Alt+Q. Right and Page Down step to the next scene, Left\n"
           "and Page Up to the previous one. The mouse wheel zooms. The toolkit's options\n"
           "(-display, -geometry, -iconic) work as in tessivo.\n";
}

} // namespace tessivo
