// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/randomuserlog.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace RandomUser {

RunLog g_log;

namespace {

void Write(const char* s, std::size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(2, s, n);
        if (w <= 0)
            return;
        s += w;
        n -= static_cast<std::size_t>(w);
    }
}

void Write(const char* s)
{
    Write(s, std::strlen(s));
}

void WriteNumber(unsigned long long v)
{
    char buf[24];
    int i = sizeof buf;
    do {
        buf[--i] = char('0' + v % 10);
        v /= 10;
    } while (v && i > 0);
    Write(buf + i, sizeof buf - i);
}

} // namespace

// Prints why the run stopped, the seed, the action and every action so far.
// Allocates nothing, so that a signal handler may call it.
void DumpLog(const char* why)
{
    const long long index = g_log.Index.load();
    Write("\n=== random user stopped: ");
    Write(why);
    Write("\n=== seed ");
    WriteNumber(g_log.Seed);
    Write(", at action #");
    WriteNumber(static_cast<unsigned long long>(index < 0 ? 0 : index));
    Write("\n=== replay: RANDOM_USER_SEED=");
    WriteNumber(g_log.Seed);
    Write(" RANDOM_USER_ACTIONS=");
    WriteNumber(static_cast<unsigned long long>(index + 1));
    Write(" (same build)\n=== actions so far:\n");
    for (const std::string& line : g_log.Lines) {
        Write(line.data(), line.size());
        Write("\n", 1);
    }
    Write("=== end of actions\n");
}

namespace {

struct sigaction g_previous[32];
const int FatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

extern "C" void OnFatalSignal(int sig)
{
    DumpLog(sig == SIGABRT ? "abort" : "fatal signal");
    sigaction(sig, &g_previous[sig], nullptr);
    raise(sig);
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" void OnSanitizerDeath()
{
    DumpLog("sanitizer report (above)");
}
#endif

void InstallCrashReport()
{
    struct sigaction sa {};
    sa.sa_handler = OnFatalSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : FatalSignals)
        sigaction(sig, &sa, &g_previous[sig]);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
}

void RemoveCrashReport()
{
    for (int sig : FatalSignals)
        sigaction(sig, &g_previous[sig], nullptr);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(nullptr);
#endif
}

} // namespace

CrashReport::CrashReport()
{
    InstallCrashReport();
}

CrashReport::~CrashReport()
{
    RemoveCrashReport();
}

HangWatchdog::HangWatchdog(int seconds) : m_thread([this, seconds] { Watch(seconds); }) {}

HangWatchdog::~HangWatchdog()
{
    m_stop = true;
    m_thread.join();
}

void HangWatchdog::Watch(int seconds)
{
    long long last = -2;
    int still = 0;
    while (!m_stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        const long long now = g_log.Index.load();
        if (now != last || !g_log.Acting) {
            last = now;
            still = 0;
        } else if (++still >= seconds * 4) {
            DumpLog("one action ran too long: a hang");
            _exit(3);
        }
    }
}

} // namespace RandomUser
