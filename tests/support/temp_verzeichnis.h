#pragma once
// Each test gets its own temporary directory, removed afterwards; shared by the core and
// the CLI tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string dateiLesen(const std::filesystem::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void dateiSchreiben(const std::filesystem::path& datei, const std::string& inhalt) {
    std::ofstream(datei, std::ios::binary) << inhalt;
}

class TempVerzeichnis : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("zor-") + info->test_suite_name() + "-" + info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string pfad(const std::string& name) const { return (dir_ / name).string(); }

    static std::string lesen(const std::string& datei) { return dateiLesen(datei); }
    static void schreiben(const std::string& datei, const std::string& inhalt) { dateiSchreiben(datei, inhalt); }

    std::filesystem::path dir_;
};
