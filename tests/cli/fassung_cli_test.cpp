// zor names its version, as the man page generator and package checks expect.

#include "zor_aufruf.h"

#include <regex>

namespace {

TEST(Fassung, VersionFlagPrintsNameAndVersion) {
    const auto e = zorAufruf({"--version"});
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_TRUE(std::regex_match(e.aus, std::regex("zor [0-9]+\\.[0-9]+(\\.[0-9]+)?\\n"))) << e.aus;
    EXPECT_NE(zorAufruf({"--help"}).aus.find("--version"), std::string::npos);
}

}  // namespace
