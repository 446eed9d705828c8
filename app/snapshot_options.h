#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessivo {

// One --set K=V: control K among the controls that the scene itself adds (counted from 0, in
// the order it adds them) takes the value V.
struct ControlSetting {
    int index = 0;
    double value = 0.0;
};

// The command line of the snapshot program.
struct SnapshotOptions {
    bool list = false;
    bool help = false;
    bool noControls = false;
    std::string scene;
    std::string out;
    int width = 800;
    int height = 600;
    std::vector<ControlSetting> settings;
    double yaw = 0.0;
    double pitch = 0.0;
    int time = 0;
    // Window pixels per overlay unit: the controls' size and the width of their lines.
    double overlayScale = 1.0;
};

// The options, or the reason (one line) why the arguments cannot be used. Arguments are those
// after the program name, with the toolkit's own options already removed.
struct ParsedSnapshotOptions {
    std::optional<SnapshotOptions> options;
    std::string error;
};
ParsedSnapshotOptions parseSnapshotOptions(const std::vector<std::string>& arguments);

// How to use the program, for --help and after an error.
extern const char* const snapshotUsage;

} // namespace tessivo
