#include "app/snapshot_options.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

ParsedSnapshotOptions parse(std::vector<std::string> arguments) {
    return parseSnapshotOptions(arguments);
}

TEST(SnapshotOptions, ReadsEveryOption) {
    const auto parsed = parse({"--scene", "Moebius", "--out", "a.png", "--size", "320x200", "--set",
                               "0=0.25", "--set", "2=-3.5e1", "--turn", "30,-12.5", "--time",
                               "-1500", "--overlay-scale", "2.5"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const SnapshotOptions& o = *parsed.options;
    EXPECT_FALSE(o.list);
    EXPECT_EQ(o.scene, "Moebius");
    EXPECT_EQ(o.out, "a.png");
    EXPECT_EQ(o.width, 320);
    EXPECT_EQ(o.height, 200);
    ASSERT_EQ(o.settings.size(), 2u);
    EXPECT_EQ(o.settings[0].index, 0);
    EXPECT_EQ(o.settings[0].value, 0.25);
    EXPECT_EQ(o.settings[1].index, 2);
    EXPECT_EQ(o.settings[1].value, -35.0);
    EXPECT_EQ(o.yaw, 30.0);
    EXPECT_EQ(o.pitch, -12.5);
    EXPECT_EQ(o.time, -1500);
    EXPECT_EQ(o.overlayScale, 2.5);
}

TEST(SnapshotOptions, DefaultsAndList) {
    auto parsed = parse({"--scene", "x", "--out", "y.png"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->width, 800);
    EXPECT_EQ(parsed.options->height, 600);
    EXPECT_EQ(parsed.options->time, 0);
    EXPECT_EQ(parsed.options->overlayScale, 1.0);
    EXPECT_TRUE(parsed.options->settings.empty());
    EXPECT_FALSE(parsed.options->noControls);
    parsed = parse({"--scene", "x", "--no-controls", "--out", "y.png"});
    ASSERT_TRUE(parsed.options);
    EXPECT_TRUE(parsed.options->noControls);
    parsed = parse({"--list"});
    ASSERT_TRUE(parsed.options);
    EXPECT_TRUE(parsed.options->list);
}

TEST(SnapshotOptions, RejectsMalformedArgumentsWithOneLineReasons) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--scene", "x"},
        {"--out", "y.png"},
        {"--scene"},
        {"--bogus", "1"},
        {"extra", "--scene", "x", "--out", "y.png"},
        {"--scene", "x", "--out", "y", "--size", "800"},
        {"--scene", "x", "--out", "y", "--size", "0x600"},
        {"--scene", "x", "--out", "y", "--size", "800x-1"},
        {"--scene", "x", "--out", "y", "--size", "99999x600"},
        {"--scene", "x", "--out", "y", "--size", "80ax600"},
        {"--scene", "x", "--out", "y", "--set", "1"},
        {"--scene", "x", "--out", "y", "--set", "-1=0.5"},
        {"--scene", "x", "--out", "y", "--set", "a=0.5"},
        {"--scene", "x", "--out", "y", "--set", "0="},
        {"--scene", "x", "--out", "y", "--set", "0=abc"},
        {"--scene", "x", "--out", "y", "--set", "0=nan"},
        {"--scene", "x", "--out", "y", "--set", "0=inf"},
        {"--scene", "x", "--out", "y", "--set", "0=1e999"},
        {"--scene", "x", "--out", "y", "--set", "99999999999=1"},
        {"--scene", "x", "--out", "y", "--turn", "30"},
        {"--scene", "x", "--out", "y", "--turn", "30,x"},
        {"--scene", "x", "--out", "y", "--time", "1.5"},
        {"--scene", "x", "--out", "y", "--time", "99999999999"},
        {"--scene", "x", "--out", "y", "--overlay-scale", "0.5"},
        {"--scene", "x", "--out", "y", "--overlay-scale", "9"},
    };
    for (const auto& arguments : bad) {
        const auto parsed = parse(arguments);
        std::string line;
        for (const auto& a : arguments) {
            line += a + " ";
        }
        EXPECT_FALSE(parsed.options) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << line;
    }
}

} // namespace
} // namespace tessivo
