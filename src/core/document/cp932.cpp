// SPDX-License-Identifier: MIT
#include "core/document/cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

#include <iconv.h>

#include "core/util/utf8.h"

namespace probel {
namespace {

// glibc's "SHIFT_JIS" reads 0x5C as ¥ and 0x7E as ‾; files written on Windows mean \ and ~.
constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr char32_t kLastAscii = 0x7F;

// Characters that Linux input methods produce where Windows users get a code page 932
// character that looks the same. glibc would turn ¥ into 0x5C, which reads back as a backslash.
constexpr std::pair<char32_t, char32_t> kLookAlikes[] = {
    {U'\u00A2', U'\uFFE0'},  // ¢ -> ￠
    {U'\u00A3', U'\uFFE1'},  // £ -> ￡
    {U'\u00A5', U'\uFFE5'},  // ¥ -> ￥
    {U'\u00AC', U'\uFFE2'},  // ¬ -> ￢
    {U'\u2014', U'\u2015'},  // — -> ―
    {U'\u2016', U'\u2225'},  // ‖ -> ∥
    {U'\u2212', U'\uFF0D'},  // − -> －
    {U'\u301C', U'\uFF5E'},  // 〜 -> ～
};

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= kLastAscii; });
}

std::string hexBytes(std::string_view bytes)
{
    std::string text;
    for (char b : bytes) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%s0x%02X", text.empty() ? "" : " ",
                      static_cast<unsigned>(static_cast<unsigned char>(b)));
        text += buffer;
    }
    return text;
}

Error unencodable(char32_t c)
{
    std::string character;
    appendUtf8(character, c);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return Error{"文字 \"" + character + "\" (" + code + ") はファイルに保存できません。", {}, 0};
}

// An iconv conversion descriptor owned by one thread. Opened on first use, closed when the
// thread ends; its shift state is reset before every conversion.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (!valid())
            openErrno_ = errno;
    }
    ~IconvConverter()
    {
        if (valid())
            iconv_close(cd_);
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    int openErrno() const { return openErrno_; }

    // Converts all of `in` into `out`. Returns 0, or the errno of the failure with
    // `failedAt` set to the offset in `in` where conversion stopped.
    int convert(std::string_view in, std::string& out, std::size_t& failedAt)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 3 + 8);
        std::size_t produced = 0;
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        bool flushing = false;
        for (;;) {
            char* outPtr = out.data() + produced;
            std::size_t outLeft = out.size() - produced;
            std::size_t result = flushing ? iconv(cd_, nullptr, nullptr, &outPtr, &outLeft)
                                          : iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            int error = errno;
            produced = static_cast<std::size_t>(outPtr - out.data());
            if (result != static_cast<std::size_t>(-1)) {
                if (flushing)
                    break;
                flushing = true;
                continue;
            }
            if (error == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            failedAt = in.size() - inLeft;
            out.resize(produced);
            return error;
        }
        out.resize(produced);
        return 0;
    }

private:
    iconv_t cd_;
    int openErrno_ = 0;
};

IconvConverter& toCodePage()
{
    thread_local IconvConverter converter(kCodePage, kUtf8);
    return converter;
}

IconvConverter& fromCodePage()
{
    thread_local IconvConverter converter(kUtf8, kCodePage);
    return converter;
}

Error converterMissing(const IconvConverter& converter)
{
    return Error{
        std::string("文字コード CP932 の変換を準備できません: ") + std::strerror(converter.openErrno()), {}, 0};
}

// The text as it will be saved: look-alikes replaced, UTF-8 checked.
Result<std::string> withCodePageCharacters(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::optional<Utf8Char> c = readUtf8(utf8, pos);
        if (!c) {
            return Error{
                "文字列に UTF-8 として正しくないバイトがあります (" + hexBytes(utf8.substr(pos, 1)) + ")。", {}, 0};
        }
        char32_t codePoint = c->codePoint;
        for (const auto& [from, to] : kLookAlikes) {
            if (codePoint == from)
                codePoint = to;
        }
        appendUtf8(out, codePoint);
        pos += c->length;
    }
    return out;
}

// True when the character is saved and read back as itself. glibc maps a few characters to
// others (‾ to ~) and drops the tag characters U+E0000..U+E007F without an error.
bool survivesRoundTrip(std::string_view character)
{
    std::string bytes;
    std::string back;
    std::size_t failedAt = 0;
    return toCodePage().convert(character, bytes, failedAt) == 0 && !bytes.empty() &&
           fromCodePage().convert(bytes, back, failedAt) == 0 && back == character;
}

}  // namespace

Result<std::string> encodeCp932(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    Result<std::string> normalised = withCodePageCharacters(utf8);
    if (!normalised)
        return normalised.error();
    const std::string& text = normalised.value();
    IconvConverter& encoder = toCodePage();
    IconvConverter& decoder = fromCodePage();
    if (!encoder.valid())
        return converterMissing(encoder);
    if (!decoder.valid())
        return converterMissing(decoder);

    std::string bytes;
    std::size_t failedAt = 0;
    int error = encoder.convert(text, bytes, failedAt);
    if (error == EILSEQ)
        return unencodable(readUtf8(text, failedAt)->codePoint);
    if (error != 0) {
        return Error{std::string("文字列を CP932 に変換できません: ") + std::strerror(error), {}, 0};
    }

    // A saved document must read back as it was: check the bytes, and on a difference
    // find the first character that does not survive, to name it.
    std::string back;
    if (decoder.convert(bytes, back, failedAt) == 0 && back == text)
        return bytes;
    for (std::size_t pos = 0; pos < text.size();) {
        Utf8Char c = *readUtf8(text, pos);
        if (!survivesRoundTrip(std::string_view(text).substr(pos, c.length))) {
            return unencodable(c.codePoint);
        }
        pos += c.length;
    }
    return Error{"文字列を CP932 に変換すると元に戻りません。", {}, 0};
}

std::vector<std::string> charactersNotInCp932(std::string_view utf8)
{
    std::vector<std::string> refused;
    if (isAscii(utf8) || encodeCp932(utf8)) {
        return refused;
    }
    const auto refuse = [&refused](std::string character) {
        if (std::find(refused.begin(), refused.end(), character) == refused.end()) {
            refused.push_back(std::move(character));
        }
    };
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = readUtf8(utf8, pos);
        if (!c) {
            refuse("\uFFFD");
            ++pos;
            continue;
        }
        const std::string_view character = utf8.substr(pos, c->length);
        if (!encodeCp932(character)) {
            refuse(std::string(character));
        }
        pos += c->length;
    }
    return refused;
}

Result<std::string> decodeCp932(std::string_view bytes)
{
    if (isAscii(bytes))
        return std::string(bytes);
    IconvConverter& decoder = fromCodePage();
    if (!decoder.valid())
        return converterMissing(decoder);

    std::string text;
    std::size_t failedAt = 0;
    int error = decoder.convert(bytes, text, failedAt);
    if (error == 0)
        return text;
    if (error == EINVAL) {
        return Error{
            "Shift_JIS の文字の途中でデータが終わっています (" + hexBytes(bytes.substr(failedAt)) + ")。", {}, 0};
    }
    if (error == EILSEQ) {
        unsigned lead = static_cast<unsigned char>(bytes[failedAt]);
        bool doubleByteLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        return Error{"Shift_JIS として読めないバイトがあります (" +
                         hexBytes(bytes.substr(failedAt, doubleByteLead ? 2 : 1)) + ")。",
                     {},
                     0};
    }
    return Error{std::string("Shift_JIS の文字列を変換できません: ") + std::strerror(error), {}, 0};
}

}  // namespace probel
