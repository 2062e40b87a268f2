// Command-line options and their environment variables.
//
//   --server HOST[:PORT]   (KORVANE_SERVER)   game server, default 127.0.0.1:34300
//   --log-level N          (KORVANE_LOG)      log messages up to level N (2 errors, 4 information)
//   --help                                    print the options
// An option on the command line wins over its environment variable.
#pragma once

#include <cstdint>
#include <string>

namespace shell {

struct Options {
    std::string serverHost = "127.0.0.1";   // dotted IPv4 literal
    std::uint16_t serverPort = 34300;       // TCP port
    int logLevel = 2;                       // highest level written to stderr
    bool help = false;                      // --help was given
    std::string error;                      // why parsing failed
};

// Parses a HOST[:PORT] text into host and port; false when the port is not 1..65535.
bool ParseServer(const std::string& text, std::string& host, std::uint16_t& port);

// Reads the environment, then argv; false (with error set) on an unknown option or bad value.
bool ParseOptions(int argc, char** argv, Options& out);

// Stores the options where the network thread and the log sink read them.
void ApplyOptions(const Options& options);

const char* UsageText();

}  // namespace shell
