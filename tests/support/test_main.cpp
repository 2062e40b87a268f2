// The main of every test program: headless SDL before anything else runs, and a
// working directory of its own, so test processes that CTest runs side by side
// never share the files they write (the token, dumps, scratch assets).
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::InitGoogleTest(&argc, argv);

    namespace fs = std::filesystem;
    const fs::path own = fs::current_path() / ("run-" + std::to_string(getpid()));
    fs::remove_all(own);
    fs::create_directories(own);
    fs::current_path(own);
    const int result = RUN_ALL_TESTS();
    fs::current_path(own.parent_path());
    std::error_code ignored;
    fs::remove_all(own, ignored);
    return result;
}
