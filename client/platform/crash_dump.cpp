#include "platform/crash_dump.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/ucontext.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

struct sigaction g_saved[kSignalCount];
bool g_installed = false;
long g_utcOffsetSeconds = 0;                // local time offset, taken at install time
alignas(16) char g_altStack[64 * 1024];     // the handler runs here, so a stack overflow can be dumped

// ---- async-signal-safe output helpers: no allocation, no stdio ----

struct Out {
    char* p;
    std::size_t left;
    std::size_t used = 0;
    void Put(char c) {
        if (left > 1) { *p++ = c; --left; ++used; }
    }
    void Str(const char* s) { while (*s) Put(*s++); }
    void Dec(long long v) {
        char digits[24];
        int n = 0;
        unsigned long long u = v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        do { digits[n++] = static_cast<char>('0' + u % 10); u /= 10; } while (u != 0);
        if (v < 0) Put('-');
        while (n > 0) Put(digits[--n]);
    }
    void Hex(unsigned long long v) {
        Str("0x");
        for (int shift = 60; shift >= 0; shift -= 4) Put("0123456789abcdef"[(v >> shift) & 0xF]);
    }
    void End() { if (left > 0) *p = '\0'; }
};

void WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n <= 0) return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Civil date from days since 1970-01-01 (H. Hinnant's algorithm): localtime is not
// async-signal-safe, so the handler converts the clock itself.
void CivilFromSeconds(long long secs, std::tm& out) {
    long long days = secs / 86400;
    long long rem = secs % 86400;
    if (rem < 0) { rem += 86400; --days; }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    out = std::tm{};
    out.tm_year = static_cast<int>(y - 1900);
    out.tm_mon = static_cast<int>(m - 1);
    out.tm_mday = static_cast<int>(d);
    out.tm_hour = static_cast<int>(rem / 3600);
    out.tm_min = static_cast<int>(rem % 3600 / 60);
    out.tm_sec = static_cast<int>(rem % 60);
}

void CopyFile(const char* path, int fd) {
    int in = open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0) return;
    char chunk[4096];
    ssize_t n;
    while ((n = read(in, chunk, sizeof chunk)) > 0) WriteAll(fd, chunk, static_cast<std::size_t>(n));
    close(in);
}

void WriteRegisters(int fd, const void* context) {
#if defined(__x86_64__)
    const auto* uc = static_cast<const ucontext_t*>(context);
    static const struct { const char* name; int index; } regs[] = {
        {"rip", REG_RIP}, {"rsp", REG_RSP}, {"rbp", REG_RBP}, {"rax", REG_RAX}, {"rbx", REG_RBX},
        {"rcx", REG_RCX}, {"rdx", REG_RDX}, {"rsi", REG_RSI}, {"rdi", REG_RDI}, {"r8", REG_R8},
        {"r9", REG_R9},   {"r10", REG_R10}, {"r11", REG_R11}, {"r12", REG_R12}, {"r13", REG_R13},
        {"r14", REG_R14}, {"r15", REG_R15}, {"eflags", REG_EFL}};
    char line[128];
    for (const auto& r : regs) {
        Out o{line, sizeof line};
        o.Str(r.name);
        o.Str(" ");
        o.Hex(static_cast<unsigned long long>(uc->uc_mcontext.gregs[r.index]));
        o.Str("\n");
        o.End();
        WriteAll(fd, line, o.used);
    }
#else
    (void)fd;
    (void)context;
#endif
}

void OnFatalSignal(int sig, siginfo_t* info, void* context) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    CivilFromSeconds(static_cast<long long>(now.tv_sec) + g_utcOffsetSeconds, local);
    char name[64];
    FormatDumpName(local, name, sizeof name);

    int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        char head[256];
        Out o{head, sizeof head};
        o.Str("korvane crash dump\nsignal ");
        o.Dec(sig);
        o.Str("\ncode ");
        o.Dec(info ? info->si_code : 0);
        o.Str("\nfault address ");
        o.Hex(info ? reinterpret_cast<std::uintptr_t>(info->si_addr) : 0);
        o.Str("\npid ");
        o.Dec(getpid());
        o.Str("\n\n[registers]\n");
        o.End();
        WriteAll(fd, head, o.used);
        WriteRegisters(fd, context);
        static const char kTrace[] = "\n[backtrace]\n";
        WriteAll(fd, kTrace, sizeof kTrace - 1);
        void* frames[64];
        int depth = backtrace(frames, 64);
        backtrace_symbols_fd(frames, depth, fd);
        static const char kMaps[] = "\n[memory map]\n";
        WriteAll(fd, kMaps, sizeof kMaps - 1);
        CopyFile("/proc/self/maps", fd);
        close(fd);
    }

    // Let the default action happen: restore it and return into the faulting
    // instruction (faults) or re-raise (signals sent with raise/kill/abort).
    signal(sig, SIG_DFL);
    if (info == nullptr || info->si_code <= 0) raise(sig);
}

}  // namespace

std::size_t FormatDumpName(const std::tm& local, char* out, std::size_t size) {
    Out o{out, size};
    o.Dec(local.tm_year + 1900);
    o.Put('-');
    o.Dec(local.tm_mon + 1);
    o.Put('-');
    o.Dec(local.tm_mday);
    o.Put('_');
    o.Dec(local.tm_hour);
    o.Put('h');
    o.Dec(local.tm_min);
    o.Put('m');
    o.Dec(local.tm_sec);
    o.Str("s.dmp");
    o.End();
    return o.used;
}

bool InstallCrashDump() {
    if (g_installed) return true;
    // Take the local offset now: the handler may not call localtime.
    time_t t = time(nullptr);
    std::tm tmLocal{};
    localtime_r(&t, &tmLocal);
    g_utcOffsetSeconds = tmLocal.tm_gmtoff;
    // The first backtrace call loads the unwinder; do it here, not in the handler.
    void* warm[2];
    backtrace(warm, 2);

    stack_t alt{};
    alt.ss_sp = g_altStack;
    alt.ss_size = sizeof g_altStack;
    sigaltstack(&alt, nullptr);

    bool ok = true;
    for (int i = 0; i < kSignalCount; ++i) {
        struct sigaction sa {};
        sa.sa_sigaction = OnFatalSignal;
        sa.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
        sigemptyset(&sa.sa_mask);
        if (sigaction(kSignals[i], &sa, &g_saved[i]) != 0) ok = false;
    }
    g_installed = true;
    return ok;
}

void RestoreCrashDump() {
    if (!g_installed) return;
    for (int i = 0; i < kSignalCount; ++i) sigaction(kSignals[i], &g_saved[i], nullptr);
    g_installed = false;
}

}  // namespace platform
