#include "MainUnit/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace MainUnit {

namespace {

// An open descriptor, closed on every way out.
class TDescriptor {
public:
    explicit TDescriptor(int Fd) : Value(Fd) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor()
    {
        if (Value >= 0) ::close(Value);
    }
    int Get() const { return Value; }
    // Closes now; false (errno set) when the system reports a late write error.
    bool Close()
    {
        const int Fd = Value;
        Value = -1;
        return ::close(Fd) == 0;
    }

private:
    int Value;
};

bool WriteAll(int Fd, const char* Data, std::size_t Size)
{
    while (Size > 0) {
        const ssize_t Written = ::write(Fd, Data, Size);
        if (Written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        Data += Written;
        Size -= static_cast<std::size_t>(Written);
    }
    return true;
}

// A new file beside Path; its name starts with a dot so that file browsers
// do not show it while it is written. The mode follows the umask like any
// new file's.
int CreateTemporary(const std::string& Path, std::string& TemporaryPath)
{
    const std::size_t Slash = Path.rfind('/');
    const std::string Folder =
        Slash == std::string::npos ? std::string() : Path.substr(0, Slash + 1);
    // Cut, so that the longer temporary name still fits the file system.
    const std::string Name =
        (Slash == std::string::npos ? Path : Path.substr(Slash + 1)).substr(0, 200);
    for (int Attempt = 0; Attempt < 100; ++Attempt) {
        TemporaryPath = Folder;
        TemporaryPath += '.';
        TemporaryPath += Name;
        TemporaryPath += ".tmp" + std::to_string(::getpid());
        TemporaryPath += '-';
        TemporaryPath += std::to_string(Attempt);
        const int Fd = ::open(TemporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd >= 0 || errno != EEXIST) return Fd;
    }
    return -1;
}

}  // namespace

bool WriteFileAtomically(const std::string& Path, const TFileContent& Content, std::string& Reason)
{
    std::string TemporaryPath;
    TDescriptor File(CreateTemporary(Path, TemporaryPath));
    if (File.Get() < 0) {
        Reason = std::strerror(errno);
        return false;
    }
    int Error = 0;
    const TChunkWriter Write = [&File, &Error](const char* Data, std::size_t Size) {
        if (Error != 0) return false;
        if (WriteAll(File.Get(), Data, Size)) return true;
        Error = errno;
        return false;
    };
    bool Ok = Content(Write) && Error == 0;
    if (!Ok && Error == 0) Error = EIO;
    // The data must be on the disk before the name points at it, or a crash
    // could leave an empty file where the old one was.
    if (Ok && ::fsync(File.Get()) != 0) {
        Ok = false;
        Error = errno;
    }
    if (!File.Close() && Ok) {
        Ok = false;
        Error = errno;
    }
    if (Ok && ::rename(TemporaryPath.c_str(), Path.c_str()) != 0) {
        Ok = false;
        Error = errno;
    }
    if (!Ok) {
        ::unlink(TemporaryPath.c_str());
        Reason = std::strerror(Error);
    }
    return Ok;
}

std::string CannotWriteMessage(const std::string& Path, const std::string& Reason)
{
    return "Cannot write the file '" + Path + "': " + Reason + ".";
}

}  // namespace MainUnit
