#include "web/page/page_query.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

using Arguments = std::vector<std::string>;

TEST(PageQuery, EveryOptionInTheOrderGiven) {
    EXPECT_EQ(exhibitArguments("?attract=0&scenes=KleinBottle1,KleinBottle3&lang=en&scale=1.5"
                               "&idle-reset=60"),
              (Arguments{"--attract", "0", "--scenes", "KleinBottle1,KleinBottle3", "--language",
                         "en", "--scale", "1.5", "--idle-reset", "60"}));
    EXPECT_EQ(exhibitArguments("lang=it"), (Arguments{"--language", "it"}));
    EXPECT_EQ(exhibitArguments("?tour=6&texts=off&captions=captions-de.txt&max-fps=0"),
              (Arguments{"--tour", "6", "--texts", "off", "--captions", "captions-de.txt",
                         "--max-fps", "0"}));
}

TEST(PageQuery, ValuesArePercentDecoded) {
    EXPECT_EQ(
        exhibitArguments("?scenes=Moebius6%2cKleinBottle4&lang=e%6E+x&scale=50%"),
        (Arguments{"--scenes", "Moebius6,KleinBottle4", "--language", "en x", "--scale", "50%"}));
}

TEST(PageQuery, DefaultsHoldForWhatIsNotGiven) {
    EXPECT_TRUE(exhibitArguments("").empty());
    EXPECT_TRUE(exhibitArguments("?").empty());
    EXPECT_EQ(exhibitArguments("?profile=1&lang=&scale&staff-keys=1&&--scenes=X&attract=10"),
              (Arguments{"--attract", "10"}));
}

TEST(PageQuery, FingersWhereThePointerIsCoarseUnlessTheAddressSaysOtherwise) {
    EXPECT_EQ(exhibitArguments("?lang=en", true), (Arguments{"--language", "en", "--touch"}));
    EXPECT_EQ(exhibitArguments("?touch=0", true), Arguments{});
    EXPECT_EQ(exhibitArguments("?touch=1&attract=0", false),
              (Arguments{"--attract", "0", "--touch"}));
    EXPECT_EQ(exhibitArguments("?touch=yes", false), Arguments{});
}

TEST(PageQuery, TheProfileOnlyWhenAskedFor) {
    EXPECT_TRUE(profileAsked("?attract=0&profile=1"));
    EXPECT_FALSE(profileAsked("?attract=0"));
    EXPECT_FALSE(profileAsked("?profile=yes"));
}

} // namespace
} // namespace tessivo
