// The entry point of a fuzz target where libFuzzer is not linked (the gcc
// builds): runs the target once on every file of the directories or files
// named on the command line, so that the normal and the sanitized suites
// replay the seed corpus and every input that ever failed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size);

namespace {

void RunFile(const std::filesystem::path& Path, int& Count)
{
    std::ifstream File(Path, std::ios::binary);
    std::vector<char> Bytes((std::istreambuf_iterator<char>(File)),
                            std::istreambuf_iterator<char>());
    // A private copy of exactly the file's size: reads past it are reported.
    std::vector<uint8_t> Input(Bytes.begin(), Bytes.end());
    LLVMFuzzerTestOneInput(Input.empty() ? nullptr : Input.data(), Input.size());
    ++Count;
}

}  // namespace

int main(int argc, char** argv)
{
    int Count = 0;
    for (int I = 1; I < argc; ++I) {
        std::filesystem::path Path(argv[I]);
        std::error_code Error;
        if (std::filesystem::is_directory(Path, Error)) {
            for (const auto& Entry : std::filesystem::directory_iterator(Path, Error))
                if (Entry.is_regular_file()) RunFile(Entry.path(), Count);
        } else if (std::filesystem::is_regular_file(Path, Error)) {
            RunFile(Path, Count);
        }
    }
    std::printf("%d inputs replayed\n", Count);
    return Count > 0 ? 0 : 1;  // an empty corpus would prove nothing
}
