#pragma once
// Runs the zor binary with arguments and captures exit code, stdout and stderr.

#include "temp_verzeichnis.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ZorErgebnis {
    int code = -1;
    std::string aus, fehler;
};

inline std::string zorQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command line (already quoted) and collects its exit code and output.
inline ZorErgebnis befehlAufrufen(std::string cmd) {
    const auto tmp = std::filesystem::temp_directory_path() / ("zor-cli-" + std::to_string(::getpid()));
    std::filesystem::create_directories(tmp);
    cmd += " >" + zorQuote((tmp / "out").string()) + " 2>" + zorQuote((tmp / "err").string()) + " </dev/null";
    const int status = std::system(cmd.c_str());
    ZorErgebnis e;
    e.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    e.aus = dateiLesen(tmp / "out");
    e.fehler = dateiLesen(tmp / "err");
    std::filesystem::remove_all(tmp);
    return e;
}

inline ZorErgebnis zorAufruf(const std::vector<std::string>& args) {
    std::string cmd = zorQuote(ZOR_BINARY);
    for (const auto& a : args) cmd += " " + zorQuote(a);
    return befehlAufrufen(cmd);
}

// Each CLI test gets its own temporary directory.
using ZorCliTest = TempVerzeichnis;

// A call zor must refuse: its arguments, the exit code and a part of the message.
struct CliAblehnung {
    std::vector<std::string> args;
    int code;
    std::string meldung;
};

// Each call ends with its code and message and prints nothing on standard output.
inline void ablehnungenPruefen(const std::vector<CliAblehnung>& faelle) {
    for (const CliAblehnung& f : faelle) {
        const auto e = zorAufruf(f.args);
        const std::string aufruf = f.args.empty() ? std::string() : f.args[0] + " … " + f.args.back();
        EXPECT_EQ(e.code, f.code) << aufruf << ": " << e.fehler;
        EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << aufruf << ": " << e.fehler;
        EXPECT_TRUE(e.aus.empty()) << aufruf << ": " << e.aus;
    }
}
