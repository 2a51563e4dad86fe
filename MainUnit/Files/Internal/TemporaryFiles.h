// The hidden temporary files a write puts beside its target: their names,
// their removal when the program is ended by a signal while one exists, and
// the removal of those that ended processes left behind.
#pragma once

#include <string>

namespace MainUnit {

// ".NAME.tmp-HOST.PID-ATTEMPT": a temporary name of this process for the
// target file NAME (cut, so that the temporary name still fits the file
// system). The host tells whose it is in a folder that several machines
// share, where the process id alone could be another machine's.
std::string TemporaryName(const std::string& Name, int Attempt);

// While alive: SIGINT, SIGTERM and SIGHUP remove the watched file and then
// end the program as they would have (a signal the program ignores stays
// ignored); SIGXFSZ is ignored, so that a write beyond the file-size limit
// fails with "File too large" instead of killing the program. One guard at a
// time; everything the signal handler touches is set before it is armed.
class TTemporaryFileGuard {
public:
    TTemporaryFileGuard();
    ~TTemporaryFileGuard();
    TTemporaryFileGuard(const TTemporaryFileGuard&) = delete;
    TTemporaryFileGuard& operator=(const TTemporaryFileGuard&) = delete;

    // From now on a signal removes Path (the file must be this process's own).
    void Watch(const std::string& Path);
    // The file was renamed or removed: a signal leaves the name alone.
    void Forget();
};

// Removes the temporary files of Name in Folder ("" for the current one)
// made on this host by a process that no longer exists. Files of living
// processes, this one's own, other hosts' and names of any other form are
// left alone.
void RemoveStaleTemporaries(const std::string& Folder, const std::string& Name);

}  // namespace MainUnit
