// The two small text routines beside the tokenizer: blank removal and the
// cutting out of one token's text.
#include "SolveExp/SolveExp.h"

#include <cstring>

namespace SolveExp {

void RemoveSpaces(char* Text)
{
    if (Text == nullptr) return;
    char* Write = Text;
    for (const char* Read = Text; *Read != '\0'; ++Read)
        if (*Read != ' ') *Write++ = *Read;
    *Write = '\0';
}

char* CopySubstring(char* Dest, const char* Src, int32_t First, int32_t Last)
{
    if (Dest == nullptr || Src == nullptr || First > Last || First < 0 || Last < 0) return nullptr;
    // Last must index a character of Src; look no further than Last.
    for (int32_t i = 0; i <= Last; ++i)
        if (Src[i] == '\0') return nullptr;
    const size_t Count = static_cast<size_t>(Last) - static_cast<size_t>(First) + 1;
    std::memcpy(Dest, Src + First, Count);
    Dest[Count] = '\0';
    return Dest;
}

}  // namespace SolveExp
