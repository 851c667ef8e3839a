// SPDX-License-Identifier: MIT
#include "core/numbers/number_pattern.h"

#include <optional>

namespace probel {
namespace {

bool isPlaceholder(char c)
{
    return c == '0' || c == '#';
}

bool isExponentMark(std::string_view pattern, std::size_t at)
{
    // "E+" counts only when a placeholder follows, so words such as "EUR-" stay text.
    return at + 2 < pattern.size() && (pattern[at] == 'E' || pattern[at] == 'e') &&
           (pattern[at + 1] == '+' || pattern[at + 1] == '-') && isPlaceholder(pattern[at + 2]);
}

class Builder {
public:
    void literal(std::string_view text, bool commaCandidate = false)
    {
        auto& tokens = result_.tokens;
        if (!commaCandidate && !tokens.empty() && tokens.back().kind == NumberPattern::Kind::Literal && !lastIsComma_) {
            tokens.back().text.append(text);
        } else {
            NumberPattern::Token token;
            token.text = std::string(text);
            tokens.push_back(std::move(token));
        }
        if (commaCandidate) {
            commas_.push_back(tokens.size() - 1);
        }
        lastIsComma_ = commaCandidate;
    }

    void token(NumberPattern::Kind kind, char symbol, bool alwaysSign = false)
    {
        NumberPattern::Token token;
        token.kind = kind;
        token.symbol = symbol;
        token.alwaysSign = alwaysSign;
        result_.tokens.push_back(std::move(token));
        lastIsComma_ = false;
    }

    // A ',' groups thousands only between two integer placeholders; elsewhere it is text.
    NumberPattern finish()
    {
        auto& tokens = result_.tokens;
        std::optional<std::size_t> first;
        std::size_t last = 0;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            if (tokens[i].kind == NumberPattern::Kind::IntegerDigit) {
                first = first.value_or(i);
                last = i;
            }
        }
        std::vector<bool> grouping(tokens.size(), false);
        for (const std::size_t comma : commas_) {
            if (first && comma > *first && comma < last) {
                grouping[comma] = true;
                result_.grouping = true;
            }
        }
        if (result_.grouping) {
            std::size_t kept = 0;
            for (std::size_t i = 0; i < tokens.size(); ++i) {
                if (grouping[i]) {
                    continue;
                }
                if (kept != i) {
                    tokens[kept] = std::move(tokens[i]);
                }
                ++kept;
            }
            tokens.resize(kept);
        }
        return std::move(result_);
    }

    NumberPattern& result() { return result_; }

private:
    NumberPattern result_;
    std::vector<std::size_t> commas_;
    bool lastIsComma_ = false;
};

}  // namespace

NumberPattern NumberPattern::parse(std::string_view pattern)
{
    enum class Section { Integer, Fraction, Exponent };
    Section section = Section::Integer;
    Builder builder;
    NumberPattern& result = builder.result();
    std::optional<std::size_t> firstIntegerZero;

    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"') {
            const std::size_t close = pattern.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            builder.literal(pattern.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '\\') {
            if (i + 1 < pattern.size()) {
                builder.literal(pattern.substr(++i, 1));
            }
        } else if (isPlaceholder(c)) {
            switch (section) {
            case Section::Integer:
                if (c == '0' && !firstIntegerZero) {
                    firstIntegerZero = result.integerDigits;
                }
                ++result.integerDigits;
                builder.token(Kind::IntegerDigit, c);
                break;
            case Section::Fraction:
                ++result.fractionDigits;
                if (c == '0') {
                    result.fractionMinimum = result.fractionDigits;
                }
                builder.token(Kind::FractionDigit, c);
                break;
            case Section::Exponent:
                ++result.exponentDigits;
                if (c == '0') {
                    ++result.exponentMinimum;
                }
                builder.token(Kind::ExponentDigit, c);
                break;
            }
        } else if (c == '.' && section == Section::Integer) {
            result.hasPoint = true;
            section = Section::Fraction;
            builder.token(Kind::Point, c);
        } else if (section != Section::Exponent && isExponentMark(pattern, i)) {
            result.hasExponent = true;
            section = Section::Exponent;
            builder.token(Kind::ExponentMark, c, pattern[i + 1] == '+');
            ++i;
        } else {
            builder.literal(pattern.substr(i, 1), c == ',' && section == Section::Integer);
        }
    }
    if (firstIntegerZero) {
        result.integerMinimum = result.integerDigits - *firstIntegerZero;
    }
    return builder.finish();
}

bool NumberPattern::hasNumber() const
{
    return integerDigits > 0 || fractionDigits > 0 || hasPoint || hasExponent;
}

}  // namespace probel
