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
