// Every --json output parses as JSON, whatever bytes a file name holds; read by Python's
// json module, a reader independent of ours.

#include "zor_aufruf.h"
#include "../core/testnamen.h"

namespace {

struct JsonFall {
    const char* name;
    std::string datei;  // a FAB with a record of 0, so the warning names the file
    std::vector<std::string> args;
};

class JsonCli : public ZorCliTest, public ::testing::WithParamInterface<JsonFall> {};

// Python prints the warning back as JSON with ASCII escapes, so the test can compare bytes.
TEST_P(JsonCli, ParsesWithPythonAndKeepsTheName) {
    if (std::string(ZOR_PYTHON).empty()) GTEST_SKIP() << "python3 fehlt";
    const std::string fab = pfad(GetParam().datei);
    dateiSchreiben(fab, std::string("\3\0\0\0\0\0\0\0\2\0\0\0", 12));
    // Braces: the runner's redirections then apply to the pipeline, not to Python alone.
    std::string cmd = "{ " + zorQuote(ZOR_BINARY);
    for (const auto& a : GetParam().args) cmd += " " + zorQuote(a == "@FAB" ? fab : a);
    cmd += " | " + zorQuote(ZOR_PYTHON) +
           " -c 'import json,sys; d=json.load(sys.stdin); print(len(d[\"points\"]), json.dumps(d[\"warnung\"]))'; }";
    const auto e = befehlAufrufen(cmd);
    ASSERT_EQ(e.code, 0) << e.fehler;
    // Python's own escapes: \t short, other controls and DEL as \u00XX; our U+FFFD for the stray byte.
    std::string erwartet;
    for (unsigned char c : GetParam().datei) {
        char u[8];
        std::snprintf(u, sizeof u, "\\u%04x", c);
        erwartet += c == '\t' ? std::string("\\t") : c < 0x20 || c == 0x7F ? std::string(u)
                   : c == 0xFF ? std::string("\\ufffd") : std::string(1, static_cast<char>(c));
    }
    EXPECT_NE(e.aus.find(erwartet), std::string::npos) << e.aus << " erwartet " << erwartet;
}

INSTANTIATE_TEST_SUITE_P(
    Dateinamen, JsonCli,
    ::testing::Values(JsonFall{"FkfSteuerzeichen", "w\001x\tz.FAB", {"fkf", "--model", "file", "--file", "@FAB", "--lags", "20", "--json"}},
                      JsonFall{"FkfEscUndDel", "a\033b\177c.FAB", {"fkf", "--model", "file", "--file", "@FAB", "--lags", "20", "--json"}},
                      JsonFall{"FkfKeinUtf8", "k\377.FAB", {"fkf", "--model", "file", "--file", "@FAB", "--lags", "20", "--json"}}),
    testnamen::NachName());

TEST_F(ZorCliTest, Ge2mcJsonParsesWithPython) {
    if (std::string(ZOR_PYTHON).empty()) GTEST_SKIP() << "python3 fehlt";
    const auto e = befehlAufrufen("{ " + zorQuote(ZOR_BINARY) + " ge2mc --pgb 0.1 --pbg 0.01 --good 0.01 --bad 0.4 --json | " +
                                  zorQuote(ZOR_PYTHON) + " -c 'import json,sys; print(json.load(sys.stdin)[\"GeGood\"])'; }");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus, "0.01\n");
}

}  // namespace
