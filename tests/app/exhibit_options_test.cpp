#include "app/exhibit_options.h"
#include "scene/overlay_settings.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

const std::vector<std::string> known = {"KleinBottle1", "KleinBottle3", "Moebius", "ring"};

ParsedExhibitOptions parse(const std::vector<std::string>& arguments) {
    return parseExhibitOptions(arguments, known);
}

TEST(ExhibitOptions, ReadsEveryOptionInBothFormsAndLeavesTheToolkitsOwnAlone) {
    const auto parsed =
        parse({"-display",       ":3",        "--scenes",     "ring,KleinBottle1", "--language=en",
               "--scale",        "2.5",       "-iconic",      "--idle-reset",      "0",
               "--attract=12.5", "--max-fps", "30",           "-geometry",         "+1920+0",
               "--window",       "1280x720",  "--staff-keys", "--captions",        "de.txt",
               "--tour=6",       "--texts",   "off"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const ExhibitOptions& o = parsed.options;
    EXPECT_EQ(o.scenes, (std::vector<std::string>{"ring", "KleinBottle1"}));
    EXPECT_TRUE(o.englishTitles);
    EXPECT_EQ(o.scale, 2.5);
    EXPECT_EQ(o.idleResetSeconds, 0);
    EXPECT_EQ(o.attractDegreesPerSecond, 12.5);
    EXPECT_EQ(o.maxFramesPerSecond, 30);
    EXPECT_EQ(o.windowWidth, 1280);
    EXPECT_EQ(o.windowHeight, 720);
    EXPECT_TRUE(o.staffKeys);
    EXPECT_EQ(o.captionsFile, "de.txt");
    EXPECT_EQ(o.tourSeconds, 6);
    EXPECT_FALSE(o.showTexts);
    EXPECT_FALSE(o.help);

    const auto plain = parse({"--language", "it", "--help"});
    ASSERT_TRUE(plain.ok());
    EXPECT_FALSE(plain.options.englishTitles);
    EXPECT_TRUE(plain.options.help);
    EXPECT_TRUE(plain.options.scenes.empty());
    EXPECT_EQ(plain.options.windowWidth, 0); // full screen
    EXPECT_EQ(plain.options.tourSeconds, 20);
    EXPECT_TRUE(plain.options.showTexts);
    EXPECT_TRUE(plain.options.captionsFile.empty());
}

TEST(ExhibitOptions, ABadOptionOrValueIsOneLineNamingIt) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--scale", "0.5"}, "--scale"},
        {{"--scale", "nan"}, "--scale"},
        {{"--scale"}, "--scale"},
        {{"--language", "fr"}, "--language"},
        {{"--idle-reset", "1.5"}, "--idle-reset"},
        {{"--attract", "-3"}, "--attract"},
        {{"--max-fps", "241"}, "--max-fps"},
        {{"--window", "800x"}, "--window"},
        {{"--tour", "1.5"}, "--tour"},
        {{"--tour", "3601"}, "--tour"},
        {{"--texts", "no"}, "--texts"},
        {{"--captions="}, "--captions"},
        {{"--fullscreen"}, "--fullscreen"},
        {{"-display"}, "-display"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto parsed = parse(arguments);
        EXPECT_FALSE(parsed.ok()) << arguments.front();
        EXPECT_NE(parsed.error.find(named), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
    }
}

TEST(ExhibitOptions, AnUnknownSceneIsNamedWithTheValidOnes) {
    const auto parsed = parse({"--scenes", "KleinBottle1,NoSuchScene"});
    ASSERT_FALSE(parsed.ok());
    EXPECT_NE(parsed.error.find("NoSuchScene"), std::string::npos);
    for (const std::string& identifier : known) {
        EXPECT_NE(parsed.error.find(identifier), std::string::npos) << identifier;
    }
}

TEST(OverlayScale, FollowsTheHeightInQuartersFromOneToEight) {
    EXPECT_EQ(overlayScaleForHeight(1080), 1.75);
    EXPECT_EQ(overlayScaleForHeight(1200), 2.0);
    EXPECT_EQ(overlayScaleForHeight(1349), 2.0);
    EXPECT_EQ(overlayScaleForHeight(1350), 2.25);
    EXPECT_EQ(overlayScaleForHeight(600), 1.0);
    EXPECT_EQ(overlayScaleForHeight(300), 1.0);
    EXPECT_EQ(overlayScaleForHeight(0), 1.0);
    EXPECT_EQ(overlayScaleForHeight(100000), 8.0);
}

TEST(OverlayScale, KeepsATallNarrowWindow320UnitsWideAndAPageUnitACssPixel) {
    EXPECT_EQ(overlayScaleForWindow(1920, 1080), 1.75);
    EXPECT_EQ(overlayScaleForWindow(1080, 1920), 3.0);
    EXPECT_EQ(overlayScaleForWindow(640, 1920), 2.0);
    EXPECT_EQ(overlayScaleForWindow(100, 1920), 1.0);
    overlaySettings().devicePixelRatio = 3.0; // a phone on its side: 844 x 390 CSS pixels
    EXPECT_EQ(overlayScaleForWindow(2532, 1170), 3.0);
    EXPECT_EQ(overlayScaleForWindow(1170, 2532), 3.5);
    overlaySettings() = OverlaySettings{};
}

} // namespace
} // namespace tessivo
