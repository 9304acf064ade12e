// Every --json output parses as JSON, whatever bytes a file name holds; read by Python's
// json module, a reader independent of ours.

#include "zor_aufruf.h"
#include "../core/testnamen.h"

namespace {

struct JsonFall {
    const char* name;
    std::string datei;     // a FAB with a record of 0, so the warning names the file
    std::string erwartet;  // the name as Python writes it back with ASCII escapes
};

class JsonCli : public ZorCliTest, public ::testing::WithParamInterface<JsonFall> {};

TEST_P(JsonCli, ParsesWithPythonAndKeepsTheName) {
    if (std::string(ZOR_PYTHON).empty()) GTEST_SKIP() << "python3 fehlt";
    const std::string fab = pfad(GetParam().datei);
    dateiSchreiben(fab, std::string("\3\0\0\0\0\0\0\0\2\0\0\0", 12));
    // Braces: the runner's redirections then apply to the pipeline, not to Python alone.
    const std::string cmd = "{ " + zorQuote(ZOR_BINARY) + " fkf --model file --file " + zorQuote(fab) + " --lags 20 --json | " +
                            zorQuote(ZOR_PYTHON) +
                            " -c 'import json,sys; d=json.load(sys.stdin); print(len(d[\"points\"]), json.dumps(d[\"warnung\"]))'; }";
    const auto e = befehlAufrufen(cmd);
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_NE(e.aus.find(GetParam().erwartet), std::string::npos) << e.aus << " erwartet " << GetParam().erwartet;
}

// Controls and DEL as \u00XX (tab short), quote and backslash escaped, and U+FFFD for every
// byte that is no UTF-8 character (a stray byte, an encoded surrogate).
INSTANTIATE_TEST_SUITE_P(
    Dateinamen, JsonCli,
    ::testing::Values(JsonFall{"Steuerzeichen", "w\001x\tz\037.FAB", "w\\u0001x\\tz\\u001f.FAB"},
                      JsonFall{"EscUndDel", "a\033b\177c.FAB", "a\\u001bb\\u007fc.FAB"},
                      JsonFall{"AnfuehrungUndRueckstrich", "q\"r\\s.FAB", "q\\\"r\\\\s.FAB"},
                      JsonFall{"KeinUtf8", "k\377.FAB", "k\\ufffd.FAB"},
                      JsonFall{"Surrogat", "s\355\240\200.FAB", "s\\ufffd\\ufffd\\ufffd.FAB"},
                      JsonFall{"Umlaut", "\303\244.FAB", "\\u00e4.FAB"}),
    testnamen::NachName());

TEST_F(ZorCliTest, Ge2mcJsonParsesWithPython) {
    if (std::string(ZOR_PYTHON).empty()) GTEST_SKIP() << "python3 fehlt";
    const auto e = befehlAufrufen("{ " + zorQuote(ZOR_BINARY) + " ge2mc --pgb 0.1 --pbg 0.01 --good 0.01 --bad 0.4 --json | " +
                                  zorQuote(ZOR_PYTHON) + " -c 'import json,sys; print(json.load(sys.stdin)[\"GeGood\"])'; }");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus, "0.01\n");
}

}  // namespace
