#pragma once
// Records what a job reports, for tests.

#include "core/util/fortschritt.h"

#include <string>
#include <vector>

struct AufzeichnenderFortschritt final : zor::Fortschritt {
    std::string label, status;
    std::vector<int> schritte;
    int starts = 0, enden = 0;
    void start(const std::string& l, const std::string& s) override {
        label = l;
        status = s;
        ++starts;
    }
    void step(int k) override { schritte.push_back(k); }
    void end() override { ++enden; }
};
