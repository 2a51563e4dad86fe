#include "Platform/Memory.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string_view>
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
        while (!Line.empty() && Line.front() == ' ')
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

}  // namespace

std::string ReadMemoryReport()
{
    std::ifstream File("/proc/meminfo");
    if (!File) return {};
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

TMemoryReportReader MemoryReportReader = ReadMemoryReport;

uint64_t AvailableMemoryBytes()
{
    const std::string Report = MemoryReportReader ? MemoryReportReader() : std::string();
    uint64_t Bytes = 0;
    if (ReportFigure(Report, "MemAvailable", Bytes) || ReportFigure(Report, "MemFree", Bytes))
        return Bytes;
    return FreePages();
}

}  // namespace Platform
