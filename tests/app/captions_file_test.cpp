#include "app/captions_file.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

const std::vector<std::string> scenes = {"KleinBottle1", "KleinBottle3", "Moebius"};

ParsedCaptions parse(const std::string& text) {
    return parseCaptions(text, "de.txt", scenes);
}

TEST(CaptionsFile, ReadsTheScenesItNames) {
    const auto parsed =
        parse("\xEF\xBB\xBF# Beschriftungen\r\n"
              "KleinBottle1\tVom Rechteck zur Kleinschen Flasche\tZieh den Schieber: "
              "Das Rechteck schließt sich.\r\n"
              "\n"
              "  Moebius \t  Möbiusband  \t\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.captions.size(), 2u);
    EXPECT_EQ(parsed.captions.at("KleinBottle1").title, "Vom Rechteck zur Kleinschen Flasche");
    EXPECT_EQ(parsed.captions.at("KleinBottle1").help,
              "Zieh den Schieber: Das Rechteck schließt sich.");
    EXPECT_EQ(parsed.captions.at("Moebius").title, "Möbiusband");
    EXPECT_EQ(parsed.captions.at("Moebius").help, "");
    EXPECT_TRUE(parse("").ok());
}

// Each fault is one line naming the file, the line, the column and what stands there.
TEST(CaptionsFile, AMalformedLineIsNamedWithItsLineAndCharacter) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"# ok\nKleinBottle1 Titel ohne Tab", "de.txt:2:28: no tab"},
        {"KleinBottle1\tNur ein Tab", "de.txt:1:25: one tab only"},
        {"KleinBottle1\tTitel\tHilfe\tmehr", "de.txt:1:25: a third tab"},
        {"Kleinbottle1\tTitel\tHilfe", "de.txt:1:1: unknown scene 'Kleinbottle1'"},
        {"KleinBottle1\tŁódź\tHilfe", "de.txt:1:14: cannot draw 'Ł' (U+0141)"},
        {"KleinBottle1\tTitel\tHilfe \xE2\x82\xAC", "de.txt:1:26: cannot draw '€' (U+20AC)"},
        {"KleinBottle1\tTi\x07tel\tHilfe", "de.txt:1:16: cannot draw U+0007"},
        {"KleinBottle1\tGr\xFC\xDF"
         "e\tHilfe",
         "de.txt:1:16: byte 0xFC is not UTF-8"},
        {"KleinBottle1\t \tHilfe", "de.txt:1:14: the title of KleinBottle1 is empty"},
        {"Moebius\tA\tB\nMoebius\tC\tD", "de.txt:2:1: Moebius has captions on line 1 already"},
    };
    for (const auto& [text, expected] : cases) {
        const auto parsed = parse(text);
        EXPECT_FALSE(parsed.ok()) << text;
        EXPECT_EQ(parsed.error.rfind(expected, 0), 0u) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
        EXPECT_TRUE(parsed.captions.empty());
    }
}

TEST(CaptionsFile, AFileThatCannotBeReadIsNamed) {
    std::string text, reason;
    EXPECT_FALSE(readCaptionsFile("/nonexistent/de.txt", text, reason));
    EXPECT_NE(reason.find("/nonexistent/de.txt"), std::string::npos) << reason;
    EXPECT_FALSE(readCaptionsFile("/", text, reason));
    EXPECT_NE(reason.find("cannot read /"), std::string::npos) << reason;
}

} // namespace
} // namespace tessivo
