// SPDX-License-Identifier: MIT
#include "core/stats/sigma_divisor.h"

namespace probel {

std::string_view sigmaDivisorWord(SigmaDivisor divisor)
{
    return divisor == SigmaDivisor::CountLessOne ? "n-1" : "n";
}

std::optional<SigmaDivisor> sigmaDivisorFromWord(std::string_view word)
{
    if (word == "n") {
        return SigmaDivisor::Count;
    }
    if (word == "n-1") {
        return SigmaDivisor::CountLessOne;
    }
    return std::nullopt;
}

std::string_view sigmaSymbol(SigmaDivisor divisor)
{
    return divisor == SigmaDivisor::CountLessOne ? "s" : "σ";
}

}  // namespace probel
