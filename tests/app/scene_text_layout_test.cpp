#include "app/help_fade.h"
#include "app/scene_text_layout.h"
#include "math/utf8_text.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

// Fifty font units a character, whatever it is: about the roman font's.
double fiftyPerCharacter(const std::string& text) {
    return 50.0 * static_cast<double>(decodeUtf8(text).size());
}

TEST(SceneTextLayout, TheClearWidthAtTheCentreStopsAtTheNearestControlInTheBand) {
    EXPECT_EQ(clearWidthAtCentre(1097, 580, 610, {}), 1097);
    // The emblem in the top-right corner, as a layout for fingers may put it.
    const Rect emblem{1007, 557, 1067, 617};
    EXPECT_EQ(clearWidthAtCentre(1097, 580, 610, {emblem}), 2 * (1007 - 548.5));
    EXPECT_EQ(clearWidthAtCentre(1097, 500, 557, {emblem}), 1097); // below it
    const Rect leftButton{20, 590, 120, 617};
    EXPECT_EQ(clearWidthAtCentre(1097, 580, 610, {emblem, leftButton}), 2 * (548.5 - 120));
    EXPECT_EQ(clearWidthAtCentre(1097, 580, 610, {{500, 600, 600, 617}}), 0);
    EXPECT_EQ(clearWidthAtCentre(1097, 580, 610, {{500, 600, 500, 617}}), 1097); // empty
}

TEST(SceneTextLayout, ATextTooWideEndsInAnEllipsisBetweenWholeCharacters) {
    const std::string title = "Dal rettangolo alla bottiglia";
    EXPECT_EQ(shortenedToFit(title, 1450, fiftyPerCharacter), title);
    EXPECT_EQ(shortenedToFit(title, 1449, fiftyPerCharacter), "Dal rettangolo alla botti...");
    EXPECT_EQ(shortenedToFit(title, 450, fiftyPerCharacter), "Dal re...");
    EXPECT_EQ(shortenedToFit(title, 350, fiftyPerCharacter), "Dal..."); // not "Dal ..."
    EXPECT_EQ(shortenedToFit("città è più", 500, fiftyPerCharacter), "città è...");
    EXPECT_EQ(shortenedToFit("città", 150, fiftyPerCharacter), "...");
    EXPECT_EQ(shortenedToFit("città", 149, fiftyPerCharacter), "");
}

// However narrow the window and wherever the controls stand, every line keeps inside the
// window and off the controls; the title comes first, and the help shows whole when it fits.
TEST(SceneTextLayout, EveryLineStaysInTheWindowAndOffTheControls) {
    const std::string title = "Dal rettangolo alla bottiglia di Klein";
    const std::string help = "Trascina il cursore: il rettangolo si arrotola in un tubo e si "
                             "chiude in una bottiglia di Klein. Trascina altrove per girarla.";
    for (const double width : {1097.0, 800.0, 292.0}) {
        // None; the emblem in the top-right corner; a button in the top-left one and a
        // slider below it.
        const std::vector<std::vector<Rect>> layouts = {
            {}, {{width - 90, 557, width - 30, 617}}, {{0, 560, 100, 617}, {10, 500, 120, 590}}};
        for (const auto& controls : layouts) {
            const auto lines = sceneTextLines(title, help, width, 617, controls, fiftyPerCharacter);
            ASSERT_FALSE(lines.empty()) << width;
            EXPECT_FALSE(lines.front().help);
            EXPECT_LE(lines.size(), 5u);
            for (const TextLine& line : lines) {
                const Rect taken{line.left, line.baseline - 33.3 * line.size,
                                 line.left + fiftyPerCharacter(line.text) * line.size,
                                 line.baseline + 119 * line.size};
                EXPECT_GE(taken.left, 0) << line.text;
                EXPECT_LE(taken.right, width) << line.text;
                EXPECT_LE(taken.top, 617) << line.text;
                for (const Rect& control : controls) {
                    EXPECT_FALSE(taken.overlaps(control)) << line.text << " at " << width;
                }
            }
        }
    }
    const auto wide = sceneTextLines(title, help, 1097, 617, {}, fiftyPerCharacter);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].text, title);
    EXPECT_EQ(wide[0].size, 0.2);
    EXPECT_EQ(wide[1].text, help);
    EXPECT_NEAR(wide[0].left + 50 * title.size() * 0.2 / 2, 1097 / 2.0, 1e-9);
    EXPECT_LT(wide[1].baseline, wide[0].baseline - 10);

    // A phone held upright: the help wraps onto lines of whole words, the title shrinks.
    const auto narrow = sceneTextLines(title, help, 292, 617, {}, fiftyPerCharacter);
    EXPECT_LT(narrow[0].size, 0.2);
    EXPECT_EQ(narrow[0].text, title);
    std::string rejoined;
    for (std::size_t i = 1; i < narrow.size(); ++i) {
        rejoined += (i > 1 ? " " : "") + narrow[i].text;
        EXPECT_LT(narrow[i].baseline, narrow[i - 1].baseline);
    }
    EXPECT_EQ(rejoined, help);
}

TEST(HelpFade, ShowsUntilAFewSecondsAfterTheFirstInputOnTheSceneThenFades) {
    const Scene* first = reinterpret_cast<const Scene*>(0x10);
    const Scene* second = reinterpret_cast<const Scene*>(0x20);
    HelpFade help;
    help.showScene(first);
    EXPECT_EQ(help.opacity(50000), 1.0); // nobody came
    EXPECT_FALSE(help.millisecondsToFade(50000));
    help.noteInput(1000);
    help.noteInput(3000); // only the first counts
    // A still exhibit wakes for the fade when the hold ends.
    EXPECT_EQ(help.millisecondsToFade(3000), HelpFade::holdMs - 2000);
    EXPECT_FALSE(help.millisecondsToFade(1000 + HelpFade::holdMs));
    EXPECT_EQ(help.opacity(1000 + HelpFade::holdMs - 1), 1.0);
    EXPECT_FALSE(help.fading(1000 + HelpFade::holdMs - 1));
    EXPECT_NEAR(help.opacity(1000 + HelpFade::holdMs + HelpFade::fadeMs / 2), 0.5, 1e-9);
    EXPECT_TRUE(help.fading(1000 + HelpFade::holdMs + HelpFade::fadeMs / 2));
    EXPECT_EQ(help.opacity(1000 + HelpFade::holdMs + HelpFade::fadeMs), 0.0);
    EXPECT_FALSE(help.fading(1000 + HelpFade::holdMs + HelpFade::fadeMs));
    help.showScene(first);
    EXPECT_EQ(help.opacity(9000), 0.0);
    help.showScene(second); // a new scene shows its help again
    EXPECT_EQ(help.opacity(9000), 1.0);
    help.noteInput(9000);
    help.restart(); // the return to the start
    EXPECT_EQ(help.opacity(20000), 1.0);
}

} // namespace
} // namespace tessivo
