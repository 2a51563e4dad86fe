#include "Platform/Memory.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

namespace Platform {

namespace {

// The figure of a line "Name:   123 kB" of the report, in bytes; false when
// the report has no such line or its figure is unreadable.
bool ReportFigure(std::string_view Report, std::string_view Name, uint64_t& Bytes)
{
    std::size_t Start = 0;
    while (Start < Report.size()) {
        std::size_t End = Report.find('\n', Start);
        if (End == std::string_view::npos) End = Report.size();
        std::string_view Line = Report.substr(Start, End - Start);
        Start = End + 1;
        if (Line.size() <= Name.size() || Line.substr(0, Name.size()) != Name ||
            Line[Name.size()] != ':')
            continue;
        Line.remove_prefix(Name.size() + 1);
        while (!Line.empty() && (Line.front() == ' ' || Line.front() == '\t'))
            Line.remove_prefix(1);
        uint64_t KiB = 0;
        const auto [Rest, Error] = std::from_chars(Line.data(), Line.data() + Line.size(), KiB);
        if (Error != std::errc() ||
            std::string_view(Rest, Line.size() - std::size_t(Rest - Line.data())) != " kB")
            return false;
        if (KiB > UINT64_MAX / 1024) return false;
        Bytes = KiB * 1024;
        return true;
    }
    return false;
}

uint64_t FreePages()
{
    const long Pages = sysconf(_SC_AVPHYS_PAGES);
    const long PageSize = sysconf(_SC_PAGESIZE);
    if (Pages <= 0 || PageSize <= 0) return 0;
    return uint64_t(Pages) * uint64_t(PageSize);
}

std::string ReadFile(const char* Path)
{
    std::ifstream File(Path);
    if (!File) return {};
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

// What the limit of the address space (ulimit -v) leaves this process: its
// mapped memory counts against it. UINT64_MAX without a limit.
uint64_t AddressSpaceLeft()
{
    rlimit Limit{};
    if (getrlimit(RLIMIT_AS, &Limit) != 0 || Limit.rlim_cur == RLIM_INFINITY) return UINT64_MAX;
    uint64_t InUse = 0;
    if (!ReportFigure(ReadFile("/proc/self/status"), "VmSize", InUse)) return UINT64_MAX;
    const uint64_t Allowed = Limit.rlim_cur;
    return Allowed > InUse ? Allowed - InUse : 1;  // 1, not 0: 0 would mean "unknown"
}

}  // namespace

std::string ReadMemoryReport() { return ReadFile("/proc/meminfo"); }

TMemoryReportReader MemoryReportReader = ReadMemoryReport;

uint64_t AvailableMemoryBytes()
{
    const std::string Report = MemoryReportReader ? MemoryReportReader() : std::string();
    uint64_t Bytes = 0;
    if (!ReportFigure(Report, "MemAvailable", Bytes) && !ReportFigure(Report, "MemFree", Bytes))
        Bytes = FreePages();
    // Under a limit of the address space the limit may be the nearer bound.
    const uint64_t Left = AddressSpaceLeft();
    if (Bytes == 0) return Left == UINT64_MAX ? 0 : Left;
    return std::min(Bytes, Left);
}

}  // namespace Platform
