// The hidden temporary files a write puts beside its target: their names,
// their removal when the program is ended by a signal while one exists, and
// the removal of those that ended processes left behind.
#pragma once

#include <string>

namespace MainUnit {

// ".NAME.tmp": the start of every temporary name for the target file NAME
// (cut, so that the longer temporary name still fits the file system).
std::string TemporaryPrefix(const std::string& Name);

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
// whose process no longer exists. Files of living processes, this one's own
// and names of any other form are left alone.
void RemoveStaleTemporaries(const std::string& Folder, const std::string& Name);

}  // namespace MainUnit
