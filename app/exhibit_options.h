#pragma once

#include <string>
#include <vector>

namespace tessivo {

// What the curator sets on the exhibition program's command line (or the web page in its
// address). The defaults suit an unattended full screen.
struct ExhibitOptions {
    // Identifiers of the show list, in order; empty for the four Klein bottle scenes.
    std::vector<std::string> scenes;
    bool englishTitles = false;
    // Window pixels per overlay unit; 0 follows the window's height (overlayScaleForHeight).
    double scale = 0.0;
    // Seconds without input before everything returns to its start; 0 never.
    int idleResetSeconds = 90;
    // Turn of the idle object about the vertical axis; 0 off.
    double attractDegreesPerSecond = 6.0;
    int maxFramesPerSecond = 60;
    // A normal window of this size; 0 x 0 for full screen.
    int windowWidth = 0;
    int windowHeight = 0;
    // S and the quit keys work as in tessivo.
    bool staffKeys = false;
    // The curator's titles and help (app/captions_file.h); empty for the built-in ones.
    std::string captionsFile;
    // Seconds of the tour for each scene of the show list; 0 no tour.
    int tourSeconds = 20;
    // The scene's title and help at the top of the window.
    bool showTexts = true;
    // Controls laid out for fingers.
    bool touch = false;
    // After every change of the window's size, the controls' places go to standard output.
    bool printLayout = false;
    bool help = false;
};

// The options, or an error of one line that names the offending option or value.
struct ParsedExhibitOptions {
    ExhibitOptions options;
    std::string error;
    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program's name. The toolkit's own options (-display NAME,
// -geometry WxH+X+Y, -iconic, -direct, -indirect, -gldebug, -sync) pass through untouched;
// sceneIdentifiers are the registered scenes that --scenes may name.
ParsedExhibitOptions parseExhibitOptions(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& sceneIdentifiers);

// The text of --help.
std::string exhibitHelpText();

} // namespace tessivo
