#include "shell/options.h"

#include <cstdlib>
#include <cstring>

#include "net/connection.h"
#include "platform/log.h"

namespace shell {
namespace {

bool ParseInt(const char* text, long min, long max, long& out) {
    if (text == nullptr || *text == '\0') return false;
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (*end != '\0' || v < min || v > max) return false;
    out = v;
    return true;
}

}  // namespace

bool ParseServer(const std::string& text, std::string& host, std::uint16_t& port) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos) {
        if (text.empty()) return false;
        host = text;
        return true;
    }
    long p = 0;
    if (colon == 0 || !ParseInt(text.c_str() + colon + 1, 1, 65535, p)) return false;
    host = text.substr(0, colon);
    port = static_cast<std::uint16_t>(p);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& out) {
    if (const char* env = std::getenv("KORVANE_SERVER"); env && *env) {
        if (!ParseServer(env, out.serverHost, out.serverPort)) {
            out.error = std::string("bad KORVANE_SERVER: ") + env;
            return false;
        }
    }
    if (const char* env = std::getenv("KORVANE_LOG"); env && *env) {
        long level = 0;
        if (!ParseInt(env, 0, 99, level)) {
            out.error = std::string("bad KORVANE_LOG: ") + env;
            return false;
        }
        out.logLevel = static_cast<int>(level);
    }
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            out.help = true;
        } else if (std::strcmp(arg, "--server") == 0 && i + 1 < argc) {
            if (!ParseServer(argv[++i], out.serverHost, out.serverPort)) {
                out.error = std::string("bad --server: ") + argv[i];
                return false;
            }
        } else if (std::strcmp(arg, "--log-level") == 0 && i + 1 < argc) {
            long level = 0;
            if (!ParseInt(argv[++i], 0, 99, level)) {
                out.error = std::string("bad --log-level: ") + argv[i];
                return false;
            }
            out.logLevel = static_cast<int>(level);
        } else {
            out.error = std::string("unknown option: ") + arg;
            return false;
        }
    }
    return true;
}

void ApplyOptions(const Options& options) {
    net::ConfiguredServer().host = options.serverHost;
    net::ConfiguredServer().port = options.serverPort;
    platform::SetLogLevel(options.logLevel);
}

const char* UsageText() {
    return "usage: korvane [--server HOST[:PORT]] [--log-level N] [--help]\n"
           "  --server HOST[:PORT]  game server address (IPv4), default 127.0.0.1:34300 (env KORVANE_SERVER)\n"
           "  --log-level N         write log messages up to level N to stderr: 2 errors (default), 4 information\n"
           "                        (env KORVANE_LOG)\n"
           "  --help                print this text\n";
}

}  // namespace shell
