#pragma once
// The templates shipped in the program's resources. The compiler may see this source under
// a relative path (ccache's base_dir), so the test binary's own place is the fallback.

#include <filesystem>

inline std::filesystem::path vorlagenVerzeichnis() {
    namespace fs = std::filesystem;
    std::error_code e;
    const fs::path ausQuelle = fs::path(__FILE__).parent_path().parent_path().parent_path() / "resources" / "plt";
    if (fs::is_directory(ausQuelle, e)) return ausQuelle;
    // build/<preset>/tests/zorcore_tests
    const fs::path programm = fs::canonical("/proc/self/exe", e);
    return programm.parent_path().parent_path().parent_path().parent_path() / "resources" / "plt";
}
