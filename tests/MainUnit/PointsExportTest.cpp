// Points written as CSV read back to the very same doubles, and a file that
// cannot be written completely leaves nothing behind.
#include "MainUnit/Files/AtomicFile.h"
#include "MainUnit/Files/PointsCsv.h"
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <sys/resource.h>

namespace {

using namespace MainUnit;
namespace fs = std::filesystem;

std::string CsvOf(const TResultSet& Results)
{
    std::string Text;
    const bool Ok = WritePointsCsv(Results, [&Text](const char* Data, std::size_t Size) {
        Text.append(Data, Size);
        return true;
    });
    EXPECT_TRUE(Ok);
    return Text;
}

// One field as the reader of the file would take it: empty stays empty.
bool ReadField(const std::string& Field, double& Value)
{
    const auto [End, Error] = std::from_chars(Field.data(), Field.data() + Field.size(), Value);
    return Error == std::errc() && End == Field.data() + Field.size();
}

TEST(PointsCsvTest, EveryDoubleAndEveryUndefinedPointReadsBackBitForBit)
{
    constexpr double Max = std::numeric_limits<double>::max();
    constexpr double Tiny = std::numeric_limits<double>::denorm_min();
    std::vector<double> Values = {0.0,
                                  -0.0,
                                  0.1,
                                  -1.5e-300,
                                  1.0 / 3,
                                  Max,
                                  -Max,
                                  Tiny,
                                  -Tiny,
                                  2.2250738585072014e-308,
                                  1e23,
                                  5e-324,
                                  123456789012345680.0,
                                  SolveExp::SyntaxErrorValue};
    // Random bit patterns of every exponent, enough to fill several pieces.
    std::mt19937_64 Random(7);
    while (Values.size() < 9000) {
        const double V = std::bit_cast<double>(Random());
        if (std::isfinite(V)) Values.push_back(V);
    }
    TResultSet Results;
    for (std::size_t I = 0; I < Values.size(); ++I) {
        // Every third point undefined, with its X and Z still written.
        const double Y = I % 3 == 1 ? SolveExp::UndefinedValue : Values[I];
        Results.Points.push_back({Values[(I + 1) % Values.size()], Y, Values[I]});
    }
    Results.PointCount = static_cast<int32_t>(Results.Points.size());
    Results.Points.push_back({1, 2, 3});  // beyond PointCount: not written

    std::istringstream Lines(CsvOf(Results));
    std::string Line;
    ASSERT_TRUE(std::getline(Lines, Line));
    EXPECT_EQ(Line, "x,y,z\r");
    std::size_t Count = 0;
    while (std::getline(Lines, Line)) {
        ASSERT_LT(Count, static_cast<std::size_t>(Results.PointCount));
        ASSERT_FALSE(Line.empty());
        ASSERT_EQ(Line.back(), '\r');
        Line.pop_back();
        const std::size_t Comma1 = Line.find(','), Comma2 = Line.find(',', Comma1 + 1);
        ASSERT_NE(Comma2, std::string::npos) << Line;
        const Proc3D::TPoint3D& P = Results.Points[Count];
        double X = 0, Y = 0, Z = 0;
        ASSERT_TRUE(ReadField(Line.substr(0, Comma1), X)) << Line;
        ASSERT_TRUE(ReadField(Line.substr(Comma2 + 1), Z)) << Line;
        EXPECT_EQ(std::bit_cast<uint64_t>(X), std::bit_cast<uint64_t>(P.X)) << Line;
        EXPECT_EQ(std::bit_cast<uint64_t>(Z), std::bit_cast<uint64_t>(P.Z)) << Line;
        const std::string YField = Line.substr(Comma1 + 1, Comma2 - Comma1 - 1);
        if (P.Y == SolveExp::UndefinedValue) {
            EXPECT_EQ(YField, "") << Line;
        } else {
            ASSERT_TRUE(ReadField(YField, Y)) << Line;
            EXPECT_EQ(std::bit_cast<uint64_t>(Y), std::bit_cast<uint64_t>(P.Y)) << Line;
        }
        ++Count;
    }
    EXPECT_EQ(Count, static_cast<std::size_t>(Results.PointCount));
}

TEST(PointsCsvTest, UsesThePointWhateverTheLocale)
{
    // A decimal comma in the C library's locale must not reach the file.
    const char* Set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (!Set) GTEST_SKIP() << "no German locale on this system";
    TResultSet Results;
    Results.Points = {{0.5, -2.25, 1e-7}};
    Results.PointCount = 1;
    const std::string Text = CsvOf(Results);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(Text, "x,y,z\r\n0.5,-2.25,1e-07\r\n");
}

std::vector<std::string> Listing(const fs::path& Folder)
{
    std::vector<std::string> Names;
    for (const auto& Entry : fs::directory_iterator(Folder))
        Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

std::string Contents(const fs::path& Path)
{
    std::ifstream In(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// Lowers the largest file this process may write while alive: writing past
// it fails as a full disk would (the signal it also raises is ignored).
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Saved);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit Lowered = Saved;
        Lowered.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &Lowered);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, OldHandler);
    }

private:
    rlimit Saved{};
    void (*OldHandler)(int) = nullptr;
};

struct TWriteCase {
    const char* Name;
    const char* Target;       // inside the test folder
    std::size_t ContentSize;  // bytes offered
    bool ContentGivesUp;      // the producer fails half-way
    rlim_t FileSizeLimit;     // 0: none
    bool Written;
};

TEST(AtomicFileTest, AFailedWriteLeavesTheFolderAsItWas)
{
    const TWriteCase Cases[] = {
        {"written", "old.csv", 300000, false, 0, true},
        {"missing folder", "none/new.csv", 10, false, 0, false},
        {"target is a folder", "folder", 10, false, 0, false},
        {"disk full half-way", "old.csv", 300000, false, 100000, false},
        {"content gives up", "old.csv", 300000, true, 0, false},
    };
    for (const TWriteCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const fs::path Folder =
            fs::temp_directory_path() / ("tessel-atomic-" + std::to_string(getpid()));
        fs::remove_all(Folder);
        fs::create_directories(Folder / "folder");
        std::ofstream(Folder / "old.csv") << "old";
        const std::vector<std::string> Before = Listing(Folder);

        const std::string Content(Case.ContentSize, 'p');
        std::string Reason;
        bool Written = false;
        {
            std::unique_ptr<TFileSizeLimit> Limit;
            if (Case.FileSizeLimit) Limit = std::make_unique<TFileSizeLimit>(Case.FileSizeLimit);
            Written = WriteFileAtomically(
                (Folder / Case.Target).string(),
                [&](const TChunkWriter& Write) {
                    for (std::size_t At = 0; At < Content.size(); At += 1000) {
                        if (Case.ContentGivesUp && At >= Content.size() / 2) return false;
                        if (!Write(Content.data() + At,
                                   std::min<std::size_t>(1000, Content.size() - At)))
                            return false;
                    }
                    return true;
                },
                Reason);
        }
        EXPECT_EQ(Written, Case.Written);
        EXPECT_EQ(Listing(Folder), Before);
        EXPECT_EQ(Contents(Folder / "old.csv"),
                  Case.Written && std::string(Case.Target) == "old.csv" ? Content : "old");
        EXPECT_EQ(Reason.empty(), Case.Written) << Reason;
        fs::remove_all(Folder);
    }
}

}  // namespace
