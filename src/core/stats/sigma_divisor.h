// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace probel {

// What a series' σ divides the squared deviations by: the count n (the population σ, the
// earlier program's) or n − 1 (the sample s, what most statistics packages report).
enum class SigmaDivisor : std::uint8_t { Count, CountLessOne };

// Its word in documents and on the command line: "n" or "n-1".
std::string_view sigmaDivisorWord(SigmaDivisor divisor);
std::optional<SigmaDivisor> sigmaDivisorFromWord(std::string_view word);
// "n、n-1 のどれか": what a message says the setting needs.
std::string sigmaDivisorWordsShown();

// The symbol labels and tooltips show for it: σ or s.
std::string_view sigmaSymbol(SigmaDivisor divisor);

}  // namespace probel
