// Replacing a file keeps what it was (permissions, symbolic links), the
// temporary files never outlive the write (signals, a file-size limit,
// processes that died), and the program's arguments keep every byte.
#include "MainUnit/Files/AtomicFile.h"

#include "MainUnit/Text/ArgumentText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace MainUnit;
namespace fs = std::filesystem;

// A fresh folder of its own for each test, removed at the end.
class ReplacedFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        Folder = fs::temp_directory_path() /
                 ("tessel-replace-" + std::to_string(getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Folder);
        fs::create_directories(Folder / "sub");
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::string Path(const std::string& Name) const { return (Folder / Name).string(); }

    void Put(const std::string& Name, const std::string& Text, mode_t Mode = 0644) const
    {
        std::ofstream(Path(Name)) << Text;
        ::chmod(Path(Name).c_str(), Mode);
    }

    std::string Read(const std::string& Name) const
    {
        std::ifstream In(Path(Name), std::ios::binary);
        return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> Listing() const
    {
        std::vector<std::string> Names;
        for (const char* Sub : {"", "sub"})
            for (const auto& Entry : fs::directory_iterator(Folder / Sub))
                Names.push_back((fs::path(Sub) / Entry.path().filename()).string());
        std::sort(Names.begin(), Names.end());
        return Names;
    }

    bool Write(const std::string& Name, const std::string& Text, std::string& Reason) const
    {
        return WriteFileAtomically(
            Path(Name), [&Text](const TChunkWriter& W) { return W(Text.data(), Text.size()); },
            Reason);
    }

    fs::path Folder;
};

TEST_F(ReplacedFileTest, AReplacedFileKeepsItsModeAndItsLinks)
{
    const struct {
        const char* Name;
        const char* Target;  // the name written to
        const char* Real;    // the file that must hold the new content
        const char* LinkTo;  // Target is made a symbolic link to this, if set
        mode_t OldMode;      // of Real, when it exists before
        bool RealExists;
        const char* Reason;  // empty: written
    } Cases[] = {
        {"private file", "a.csv", "a.csv", nullptr, 0600, true, ""},
        {"group-readable file", "a.csv", "a.csv", nullptr, 0640, true, ""},
        {"link to a file", "link.csv", "sub/real.csv", "sub/real.csv", 0600, true, ""},
        {"link to a link", "link.csv", "sub/real.csv", "link2.csv", 0600, true, ""},
        {"dangling link", "link.csv", "sub/new.csv", "sub/new.csv", 0, false, ""},
        {"link loop", "loop.csv", "loop.csv", "loop.csv", 0, false,
         "Too many levels of symbolic links"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        SetUp();
        if (Case.RealExists) Put(Case.Real, "old", Case.OldMode);
        ::symlink("sub/real.csv", Path("link2.csv").c_str());
        if (Case.LinkTo) ::symlink(Case.LinkTo, Path(Case.Target).c_str());
        const std::vector<std::string> Before = Listing();
        std::string Reason;
        EXPECT_EQ(Write(Case.Target, "new", Reason), *Case.Reason == 0);
        EXPECT_EQ(Reason, Case.Reason);
        if (*Case.Reason != 0) {
            EXPECT_EQ(Listing(), Before);
            continue;
        }
        EXPECT_EQ(Read(Case.Real), "new");
        if (Case.LinkTo) {
            EXPECT_TRUE(fs::is_symlink(Folder / Case.Target));
        }
        struct stat Info {};
        ASSERT_EQ(::stat(Path(Case.Real).c_str(), &Info), 0);
        if (Case.RealExists) {
            EXPECT_EQ(Info.st_mode & 07777, Case.OldMode);
        }
        EXPECT_EQ(Listing().size(), Before.size() + (Case.RealExists ? 0 : 1));
    }
}

// The id of a process that has ended.
pid_t EndedProcess()
{
    const pid_t Child = fork();
    if (Child == 0) std::_Exit(0);
    int Status = 0;
    waitpid(Child, &Status, 0);
    return Child;
}

std::string HostName()
{
    char Name[256] = {};
    ::gethostname(Name, sizeof(Name) - 1);
    return Name;
}

TEST_F(ReplacedFileTest, AWriteRemovesOnlyThisHostsTemporaryFilesOfEndedProcesses)
{
    const std::string Ended = std::to_string(EndedProcess());
    const std::string Living = std::to_string(getppid());
    const std::string Own = std::to_string(getpid());
    const std::string Here = ".t.csv.tmp-" + HostName() + ".";
    const struct {
        std::string Name;
        bool Kept;
    } Files[] = {
        {Here + Ended + "-0", false},
        {Here + Ended + "-12", false},
        {Here + Living + "-0", true},
        {Here + Own + "-7", true},
        {".t.csv.tmp-elsewhere." + Ended + "-0", true},           // the id may be alive there
        {".t.csv.tmp" + Ended + "-0", true},                      // no host: whose is unknown
        {".u.csv.tmp-" + HostName() + "." + Ended + "-0", true},  // another target's
        {Here + Ended + "-0x", true},                             // not a name a write makes
        {Here + Ended, true},
        {"t.csv.tmp-" + HostName() + "." + Ended + "-0", true},
    };
    for (const auto& File : Files)
        Put(File.Name, "stale");
    std::string Reason, Temporary;
    ASSERT_TRUE(WriteFileAtomically(
        Path("t.csv"),
        [&](const TChunkWriter& W) {
            for (const auto& Entry : fs::directory_iterator(Folder))
                if (Entry.path().filename().string().find(Here + Own + "-") == 0)
                    Temporary = Entry.path().filename().string();
            return W("new", 3);
        },
        Reason))
        << Reason;
    for (const auto& File : Files)
        EXPECT_EQ(fs::exists(Folder / File.Name), File.Kept) << File.Name;
    // The write's own temporary name carries the host and this process.
    EXPECT_FALSE(Temporary.empty());
    EXPECT_EQ(Read("t.csv"), "new");
}

TEST_F(ReplacedFileTest, WhatIsNotARegularFileIsWrittenInPlaceNeverReplaced)
{
    int Pipe[2];
    ASSERT_EQ(::pipe2(Pipe, O_NONBLOCK), 0);  // nothing to read never blocks
    const std::string PipeName = "/dev/fd/" + std::to_string(Pipe[1]);
    const struct {
        const char* Name;
        std::string Target;  // written to
        std::string LinkTo;  // Target is made a symbolic link to this, if set
        bool Fifo;           // the FIFO "f" is read; otherwise the pipe
    } Cases[] = {
        {"FIFO", Path("f"), "", true},
        {"link to a FIFO", Path("l.png"), "f", true},
        {"an open descriptor", PipeName, "", false},
        {"link to an open descriptor", Path("l.png"), "/proc/self/fd/" + std::to_string(Pipe[1]),
         false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        SetUp();
        ASSERT_EQ(::mkfifo(Path("f").c_str(), 0644), 0);
        if (!Case.LinkTo.empty()) ::symlink(Case.LinkTo.c_str(), Case.Target.c_str());
        // Opened without waiting, so that a replaced FIFO cannot hang the test.
        const int Reader =
            Case.Fifo ? ::open(Path("f").c_str(), O_RDONLY | O_NONBLOCK) : ::dup(Pipe[0]);
        ASSERT_GE(Reader, 0);
        const std::vector<std::string> Before = Listing();
        std::string Reason;
        EXPECT_TRUE(WriteFileAtomically(
            Case.Target, [](const TChunkWriter& W) { return W("picture", 7); }, Reason))
            << Reason;
        char Got[16] = {};
        const ssize_t Length = ::read(Reader, Got, sizeof(Got));
        ::close(Reader);
        EXPECT_EQ(std::string(Got, Length > 0 ? size_t(Length) : 0), "picture");
        EXPECT_EQ(Listing(), Before);
        EXPECT_TRUE(fs::is_fifo(Folder / "f"));
    }
    ::close(Pipe[0]);
    ::close(Pipe[1]);
}

// In a child process as the user "nobody" when this one is the superuser:
// exits 0 when writing the read-only file "ro.csv" of Folder is refused as
// "Permission denied" and leaves it as it was.
void WriteReadOnlyAsUser(const std::string& Folder)
{
    if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
    std::string Reason;
    const bool Written = WriteFileAtomically(
        Folder + "/ro.csv", [](const TChunkWriter& W) { return W("new", 3); }, Reason);
    std::ifstream In(Folder + "/ro.csv");
    std::string Text;
    In >> Text;
    std::_Exit(!Written && Reason == "Permission denied" && Text == "old" ? 0 : 1);
}

TEST_F(ReplacedFileTest, AFileTheUserMayNotWriteIsRefusedAsTheShellRefusesIt)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    Put("ro.csv", "old", 0444);
    // The folder would allow replacing it.
    fs::permissions(Folder, fs::perms::all);
    EXPECT_EXIT(WriteReadOnlyAsUser(Folder.string()), testing::ExitedWithCode(0), "");
    if (::geteuid() != 0) return;
    // The superuser may write any file, as with the shell; the mode stays.
    std::string Reason;
    EXPECT_TRUE(Write("ro.csv", "new", Reason)) << Reason;
    EXPECT_EQ(Read("ro.csv"), "new");
    struct stat Info {};
    ASSERT_EQ(::stat(Path("ro.csv").c_str(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 07777, 0444u);
}

// In a child process: writes a large file into Folder, and while it is
// written the process gets Signal. Exits 3 when the write reports "File too
// large" (the file-size limit).
void WriteUntil(const std::string& Folder, int Signal)
{
    if (Signal == SIGXFSZ) {
        const rlimit Limit{10000, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &Limit);
    }
    const std::string Chunk(4096, 'p');
    std::string Reason;
    const bool Written = WriteFileAtomically(
        Folder + "/old.csv",
        [&](const TChunkWriter& W) {
            for (int I = 0; I < 10; ++I) {
                if (I == 5 && Signal != SIGXFSZ) ::raise(Signal);
                if (!W(Chunk.data(), Chunk.size())) return false;
            }
            return true;
        },
        Reason);
    std::_Exit(!Written && Reason == "File too large" ? 3 : 1);
}

TEST_F(ReplacedFileTest, SignalsAndTheFileSizeLimitLeaveNoTemporaryFile)
{
    // Forked as it is, so that the child writes into this test's folder.
    GTEST_FLAG_SET(death_test_style, "fast");
    Put("old.csv", "old");
    for (const int Signal : {SIGINT, SIGTERM, SIGHUP})
        EXPECT_EXIT(WriteUntil(Folder.string(), Signal), testing::KilledBySignal(Signal), "")
            << Signal;
    EXPECT_EXIT(WriteUntil(Folder.string(), SIGXFSZ), testing::ExitedWithCode(3), "");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"old.csv", "sub"}));
    EXPECT_EQ(Read("old.csv"), "old");
}

TEST(ArgumentText, EveryByteComesBack)
{
    const struct {
        std::string Bytes;
        std::u16string Text;
    } Cases[] = {
        {"plain.csv", u"plain.csv"},
        {"lat\xc3\xa9.csv", u"lat\u00e9.csv"},
        {"lat\xe9.csv", u"lat\xdce9.csv"},                  // Latin-1, not UTF-8
        {"\xc0\xaf", u"\xdcc0\xdcaf"},                      // an overlong "/"
        {"\xed\xa0\x80", u"\xdced\xdca0\xdc80"},            // a surrogate
        {"\xf0\x9f\x98\x80!", u"\xd83d\xde00!"},            // beyond 16 bits
        {"\xe2\x82", u"\xdce2\xdc82"},                      // cut short
        {"\xf4\x90\x80\x80", u"\xdcf4\xdc90\xdc80\xdc80"},  // beyond U+10FFFF
    };
    for (const auto& Case : Cases) {
        EXPECT_EQ(DecodeArgument(Case.Bytes), Case.Text) << Case.Bytes;
        EXPECT_EQ(EncodeArgument(DecodeArgument(Case.Bytes)), Case.Bytes);
    }
    EXPECT_EQ(EncodeArgument(u"a\xd800z\xdc41"), "a?z?");  // surrogates of no byte
}

}  // namespace
