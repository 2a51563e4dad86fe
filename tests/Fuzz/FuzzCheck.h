// What every fuzz target shares: turning the raw input into the pieces a
// routine takes, and stopping the run at the first property that fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace FuzzCheck {

// Stops the run with a message; libFuzzer keeps the input as a crash.
[[noreturn]] inline void Fail(const char* What, std::string_view Text)
{
    std::fprintf(stderr, "property failed: %s\ninput text (%zu bytes): '%.*s'\n", What, Text.size(),
                 static_cast<int>(Text.size() > 2000 ? 2000 : Text.size()), Text.data());
    std::abort();
}

inline void Require(bool Holds, const char* What, std::string_view Text)
{
    if (!Holds) Fail(What, Text);
}

// Takes bytes off the front of the input; runs out quietly with zeros.
struct TInput {
    const uint8_t* Data;
    std::size_t Size;

    template <typename T> T Take()
    {
        T Value{};
        std::size_t N = Size < sizeof(T) ? Size : sizeof(T);
        if (N > 0) std::memcpy(&Value, Data, N);
        Data += N;
        Size -= N;
        return Value;
    }
    std::string Rest()
    {
        std::string Text(reinterpret_cast<const char*>(Data), Size);
        Data += Size;
        Size = 0;
        return Text;
    }
};

// A zero-terminated copy of Text in a heap block of exactly Bytes bytes
// (at least the text and its terminator), so that AddressSanitizer reports
// the first byte read or written past the end.
struct TExactBuffer {
    char* Data;
    std::size_t Bytes;

    TExactBuffer(std::string_view Text, std::size_t MinBytes = 0)
        : Data(nullptr), Bytes(Text.size() + 1 > MinBytes ? Text.size() + 1 : MinBytes)
    {
        Data = static_cast<char*>(std::malloc(Bytes));
        if (Data == nullptr) std::abort();
        std::memset(Data, 0, Bytes);
        std::memcpy(Data, Text.data(), Text.size());
    }
    ~TExactBuffer() { std::free(Data); }
    TExactBuffer(const TExactBuffer&) = delete;
    TExactBuffer& operator=(const TExactBuffer&) = delete;
};

// The routines' texts end at their first zero byte.
inline std::string UpToZero(std::string Text)
{
    std::size_t Zero = Text.find('\0');
    if (Zero != std::string::npos) Text.resize(Zero);
    return Text;
}

}  // namespace FuzzCheck
