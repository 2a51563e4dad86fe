#include "MainUnit/Files/Internal/TemporaryFiles.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <limits.h>
#include <string_view>
#include <unistd.h>

namespace MainUnit {

namespace {

constexpr int CleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int CleanedCount = sizeof(CleanedSignals) / sizeof(CleanedSignals[0]);

// What the handler reads: plain storage, set before Watching is raised.
struct sigaction SavedActions[CleanedCount];
bool Installed[CleanedCount];
struct sigaction SavedFileSizeAction;
char WatchedPath[PATH_MAX];
volatile std::sig_atomic_t Watching = 0;

// Only async-signal-safe calls: unlink, sigaction, raise.
extern "C" void RemoveWatchedAndEnd(int Signal)
{
    if (Watching != 0) ::unlink(WatchedPath);
    Watching = 0;
    for (int I = 0; I < CleanedCount; ++I)
        if (CleanedSignals[I] == Signal) ::sigaction(Signal, &SavedActions[I], nullptr);
    // Delivered once this handler returns, with the disposition the program had.
    ::raise(Signal);
}

bool AllDigits(std::string_view Text)
{
    if (Text.empty()) return false;
    for (const char C : Text)
        if (C < '0' || C > '9') return false;
    return true;
}

// The process id of a temporary name "PREFIX<pid>-<n>", or 0 for another name.
pid_t OwnerOf(std::string_view Entry, std::string_view Prefix)
{
    if (Entry.substr(0, Prefix.size()) != Prefix) return 0;
    Entry.remove_prefix(Prefix.size());
    const std::size_t Dash = Entry.find('-');
    if (Dash == std::string_view::npos || Dash > 9) return 0;
    if (!AllDigits(Entry.substr(0, Dash)) || !AllDigits(Entry.substr(Dash + 1))) return 0;
    pid_t Owner = 0;
    for (const char C : Entry.substr(0, Dash))
        Owner = Owner * 10 + (C - '0');
    return Owner;
}

bool ProcessExists(pid_t Process) { return ::kill(Process, 0) == 0 || errno != ESRCH; }

// This machine's name as it may stand in a file name.
std::string HostName()
{
    char Name[256] = {};
    if (::gethostname(Name, sizeof(Name) - 1) != 0) return "unknown";
    std::string Host(Name, ::strnlen(Name, 64));
    for (char& C : Host)
        if (C == '/') C = '_';
    return Host;
}

// Everything of a temporary name of this host's before "PID-ATTEMPT".
std::string HostPrefix(const std::string& Name)
{
    return "." + Name.substr(0, 160) + ".tmp-" + HostName() + ".";
}

}  // namespace

std::string TemporaryName(const std::string& Name, int Attempt)
{
    return HostPrefix(Name) + std::to_string(::getpid()) + "-" + std::to_string(Attempt);
}

TTemporaryFileGuard::TTemporaryFileGuard()
{
    Watching = 0;
    struct sigaction Action {};
    Action.sa_handler = RemoveWatchedAndEnd;
    sigemptyset(&Action.sa_mask);
    for (const int Signal : CleanedSignals)
        sigaddset(&Action.sa_mask, Signal);
    for (int I = 0; I < CleanedCount; ++I) {
        ::sigaction(CleanedSignals[I], nullptr, &SavedActions[I]);
        // Ignored (as under nohup): the signal cannot end the program.
        Installed[I] = SavedActions[I].sa_handler != SIG_IGN;
        if (Installed[I]) ::sigaction(CleanedSignals[I], &Action, nullptr);
    }
    struct sigaction Ignore {};
    Ignore.sa_handler = SIG_IGN;
    sigemptyset(&Ignore.sa_mask);
    ::sigaction(SIGXFSZ, &Ignore, &SavedFileSizeAction);
}

TTemporaryFileGuard::~TTemporaryFileGuard()
{
    Watching = 0;
    for (int I = 0; I < CleanedCount; ++I)
        if (Installed[I]) ::sigaction(CleanedSignals[I], &SavedActions[I], nullptr);
    ::sigaction(SIGXFSZ, &SavedFileSizeAction, nullptr);
}

void TTemporaryFileGuard::Watch(const std::string& Path)
{
    Watching = 0;
    // A longer name could not have been created.
    if (Path.size() >= sizeof(WatchedPath)) return;
    std::memcpy(WatchedPath, Path.c_str(), Path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    Watching = 1;
}

void TTemporaryFileGuard::Forget() { Watching = 0; }

void RemoveStaleTemporaries(const std::string& Folder, const std::string& Name)
{
    DIR* const Listing = ::opendir(Folder.empty() ? "." : Folder.c_str());
    if (Listing == nullptr) return;
    const std::string Prefix = HostPrefix(Name);
    const pid_t Self = ::getpid();
    while (const dirent* Entry = ::readdir(Listing)) {
        const pid_t Owner = OwnerOf(Entry->d_name, Prefix);
        if (Owner > 0 && Owner != Self && !ProcessExists(Owner))
            ::unlinkat(::dirfd(Listing), Entry->d_name, 0);
    }
    ::closedir(Listing);
}

}  // namespace MainUnit
