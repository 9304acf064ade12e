#pragma once
// The one JSON writer of zor: every subcommand's --json output is built here, so every
// one of them is valid JSON whatever the names and texts hold.

#include <string>
#include <utility>
#include <vector>

namespace zorcli {

// A JSON string literal. Every control character is escaped; bytes that are not UTF-8
// (a file name may hold any byte) become U+FFFD, so the text always parses.
std::string jsonText(const std::string& text);

// A JSON number as zor prints numbers (kurvenzahl); null where JSON has no number (nan, inf).
std::string jsonZahl(double v);

// One JSON object, its members in the order added; values are JSON texts already (a
// non-finite number's text, "nan" or "inf", becomes null).
class JsonObjekt {
public:
    JsonObjekt& wert(const std::string& name, std::string json);
    JsonObjekt& zahl(const std::string& name, double v) { return wert(name, jsonZahl(v)); }
    JsonObjekt& text(const std::string& name, const std::string& t) { return wert(name, jsonText(t)); }
    // The object on one line, without a line end.
    std::string json() const;

private:
    std::vector<std::pair<std::string, std::string>> glieder_;
};

// A JSON array of JSON values.
std::string jsonFeld(const std::vector<std::string>& werte);

}  // namespace zorcli
