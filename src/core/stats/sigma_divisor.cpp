// SPDX-License-Identifier: MIT
#include "core/stats/sigma_divisor.h"

#include "core/util/word_table.h"

namespace probel {
namespace {

constexpr WordTable<SigmaDivisor, 2> kWords = {{
    {SigmaDivisor::Count, "n"},
    {SigmaDivisor::CountLessOne, "n-1"},
}};

}  // namespace

std::string_view sigmaDivisorWord(SigmaDivisor divisor)
{
    return wordOf(kWords, divisor);
}

std::optional<SigmaDivisor> sigmaDivisorFromWord(std::string_view word)
{
    return valueOf(kWords, word);
}

std::string sigmaDivisorWordsShown()
{
    return wordsShown(kWords);
}

std::string_view sigmaSymbol(SigmaDivisor divisor)
{
    return divisor == SigmaDivisor::CountLessOne ? "s" : "σ";
}

}  // namespace probel
