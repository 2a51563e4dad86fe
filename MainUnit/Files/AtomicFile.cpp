#include "MainUnit/Files/AtomicFile.h"

#include "MainUnit/Files/Internal/TemporaryFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

std::string FolderOf(const std::string& Path)
{
    const std::size_t Slash = Path.rfind('/');
    return Slash == std::string::npos ? std::string() : Path.substr(0, Slash + 1);
}

std::string NameOf(const std::string& Path)
{
    const std::size_t Slash = Path.rfind('/');
    return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

// The descriptor N that Path names when it is "/dev/fd/N", "/proc/self/fd/N"
// or "/proc/<this process>/fd/N" (what /dev/stdout leads to), or -1.
int DescriptorNamed(const std::string& Path)
{
    const std::string Starts[] = {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/",
                                  "/proc/" + std::to_string(::getpid()) + "/fd/"};
    for (const std::string& Start : Starts) {
        if (Path.compare(0, Start.size(), Start) != 0 || Path.size() == Start.size() ||
            Path.size() > Start.size() + 6)
            continue;
        int Fd = 0;
        for (std::size_t I = Start.size(); I < Path.size(); ++I) {
            if (Path[I] < '0' || Path[I] > '9') return -1;
            Fd = Fd * 10 + (Path[I] - '0');
        }
        return Fd;
    }
    return -1;
}

// The file a write to Path replaces: Path itself, or the file its chain of
// symbolic links ends at (which need not exist yet), so that the link stays
// a link. A chain that reaches one of this process's open descriptors stops
// there with Descriptor set: the file behind it is what the descriptor is
// open on (standard output appending to a log), not a name to replace.
// False (errno set) for a chain that does not end.
bool FollowLinks(std::string& Path, int& Descriptor)
{
    for (int Hop = 0; Hop < 40; ++Hop) {
        Descriptor = DescriptorNamed(Path);
        if (Descriptor >= 0) return true;
        struct stat Info {};
        if (::lstat(Path.c_str(), &Info) != 0 || !S_ISLNK(Info.st_mode)) return true;
        char Target[PATH_MAX];
        const ssize_t Length = ::readlink(Path.c_str(), Target, sizeof(Target));
        if (Length < 0 || static_cast<std::size_t>(Length) >= sizeof(Target)) return true;
        std::string Next = Target[0] == '/' ? std::string() : FolderOf(Path);
        Next.append(Target, static_cast<std::size_t>(Length));
        Path = std::move(Next);
    }
    errno = ELOOP;
    return false;
}

// A new file beside Path; its name starts with a dot so that file browsers
// do not show it while it is written. The mode follows the umask like any
// new file's.
int CreateTemporary(const std::string& Path, std::string& TemporaryPath)
{
    for (int Attempt = 0; Attempt < 100; ++Attempt) {
        TemporaryPath = FolderOf(Path) + TemporaryName(NameOf(Path), Attempt);
        const int Fd = ::open(TemporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd >= 0 || errno != EEXIST) return Fd;
    }
    return -1;
}

// A file that replaces another keeps its permissions, and its owner and
// group as far as this process may give them away. False (errno set) when
// the permissions cannot be kept: the new file would be more open.
bool KeepOwnerAndMode(int Fd, const std::string& Path)
{
    struct stat Old {};
    if (::stat(Path.c_str(), &Old) != 0 || !S_ISREG(Old.st_mode)) return true;
    if (::fchown(Fd, Old.st_uid, Old.st_gid) != 0)
        (void)::fchown(Fd, static_cast<uid_t>(-1), Old.st_gid);
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(Fd, Old.st_mode & 07777) == 0;
}

// The rename is on the disk only once the folder is: without this a crash
// could bring back the old file, or neither. Some file systems cannot sync a
// folder; the file is in place either way, so a failure here is not one of
// the write.
void SyncFolder(const std::string& Path)
{
    const std::string Folder = FolderOf(Path);
    const int Fd =
        ::open(Folder.empty() ? "." : Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd < 0) return;
    (void)::fsync(Fd);
    ::close(Fd);
}

// Writes the content where the open Fd stands; 0 or the error.
int WriteToOpenFile(int Fd, const TFileContent& Content)
{
    int Error = 0;
    const TChunkWriter Write = [Fd, &Error](const char* Data, std::size_t Size) {
        if (Error != 0) return false;
        if (WriteAll(Fd, Data, Size)) return true;
        Error = errno;
        return false;
    };
    if (!Content(Write) && Error == 0) Error = EIO;
    return Error;
}

// Writes the content into the open temporary file and puts it on the disk;
// 0 or the error.
int FillTemporary(TDescriptor& File, const TFileContent& Content)
{
    int Error = WriteToOpenFile(File.Get(), Content);
    // The data must be on the disk before the name points at it, or a crash
    // could leave an empty file where the old one was.
    if (Error == 0 && ::fsync(File.Get()) != 0) Error = errno;
    if (!File.Close() && Error == 0) Error = errno;
    return Error;
}

// Writes into what Path already is (a device, a FIFO, a terminal) instead
// of replacing it with a file; 0 or the error.
int WriteInPlace(const std::string& Path, const TFileContent& Content)
{
    TDescriptor File(::open(Path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (File.Get() < 0) return errno;
    int Error = WriteToOpenFile(File.Get(), Content);
    if (!File.Close() && Error == 0) Error = errno;
    return Error;
}

// Replaces the regular file (or the new name) Path through a temporary
// file beside it; 0 or the error.
int ReplaceFile(const std::string& Path, const TFileContent& Content)
{
    RemoveStaleTemporaries(FolderOf(Path), NameOf(Path));
    TTemporaryFileGuard Guard;
    std::string TemporaryPath;
    TDescriptor File(CreateTemporary(Path, TemporaryPath));
    if (File.Get() < 0) return errno;
    Guard.Watch(TemporaryPath);
    int Error = KeepOwnerAndMode(File.Get(), Path) ? 0 : errno;
    if (Error == 0) Error = FillTemporary(File, Content);
    if (Error == 0 && ::rename(TemporaryPath.c_str(), Path.c_str()) != 0) Error = errno;
    if (Error != 0) {
        ::unlink(TemporaryPath.c_str());
        Guard.Forget();
        return Error;
    }
    Guard.Forget();
    SyncFolder(Path);
    return 0;
}

// Writes where the chain of links ended: an open descriptor or what is not
// a regular file in place, a regular file or a new name by replacing it; 0
// or the error.
int WriteResolved(const std::string& Path, int Descriptor, const TFileContent& Content)
{
    if (Descriptor >= 0) return WriteToOpenFile(Descriptor, Content);
    struct stat Info {};
    const bool Exists = ::stat(Path.c_str(), &Info) == 0;
    if (Exists && !S_ISREG(Info.st_mode)) return WriteInPlace(Path, Content);
    // A file the user may not write is refused as the shell's ">" refuses
    // it, although the folder would allow replacing it. The superuser may
    // write any file, here as there.
    if (Exists && ::faccessat(AT_FDCWD, Path.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    return ReplaceFile(Path, Content);
}

}  // namespace

bool WriteToDescriptor(int Fd, const TFileContent& Content, std::string& Reason)
{
    const int Error = WriteToOpenFile(Fd, Content);
    if (Error != 0) Reason = std::strerror(Error);
    return Error == 0;
}

bool WriteFileAtomically(const std::string& GivenPath, const TFileContent& Content,
                         std::string& Reason)
{
    std::string Path = GivenPath;
    int Descriptor = -1;
    const int Error =
        FollowLinks(Path, Descriptor) ? WriteResolved(Path, Descriptor, Content) : errno;
    if (Error != 0) Reason = std::strerror(Error);
    return Error == 0;
}

bool IsWhereDescriptorWrites(const std::string& Path, int Fd)
{
    struct stat Named {
    }, Open{};
    return ::stat(Path.c_str(), &Named) == 0 && ::fstat(Fd, &Open) == 0 &&
           Named.st_dev == Open.st_dev && Named.st_ino == Open.st_ino;
}

std::string CannotWriteMessage(const std::string& Path, const std::string& Reason)
{
    return "Cannot write the file '" + Path + "': " + Reason + ".";
}

std::string CannotWriteStandardOutputMessage(const std::string& Reason)
{
    return "Cannot write to standard output: " + Reason + ".";
}

}  // namespace MainUnit
