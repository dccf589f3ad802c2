// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The random user's action log, kept where a fatal signal, a sanitizer's
// report or the hang watchdog can still print it.

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace RandomUser {

struct RunLog {
    std::uint64_t Seed = 0;
    std::vector<std::string> Lines; // one per action, reserved up front
    std::atomic<long long> Index{-1}; // the action running now
    std::atomic<bool> Acting{false};
};
extern RunLog g_log;

// Prints why the run stopped, the seed, the action and every action so far.
// Allocates nothing, so that a signal handler may call it.
void DumpLog(const char* why);

// The report in place for the life of a run, however the run ends: a fatal
// signal or a sanitizer's report prints the log.
struct CrashReport {
    CrashReport();
    ~CrashReport();
    CrashReport(const CrashReport&) = delete;
    CrashReport& operator=(const CrashReport&) = delete;
};

// Stops the process, with the log, when one action runs longer than the limit.
class HangWatchdog {
public:
    explicit HangWatchdog(int seconds);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

private:
    void Watch(int seconds);

    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace RandomUser
