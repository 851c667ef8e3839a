// SPDX-License-Identifier: MIT
#include "core/document/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/util/utf8.h"

namespace probel {
namespace {

std::string utf8Of(char32_t c)
{
    std::string out;
    appendUtf8(out, c);
    return out;
}

struct Pair {
    std::string text;
    std::string bytes;
};

TEST(Cp932, TextAndBytesConvertBothWays)
{
    const std::vector<Pair> cases = {
        {"", ""},
        {"0.##", "0.##"},
        {"C:\\data\\a.pbl ~", "C:\\data\\a.pbl ~"},  // backslash stays 0x5C, tilde 0x7E
        {"ｱｲｳ", "\xB1\xB2\xB3"},
        {"ＭＳ Ｐゴシック", "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
        {"平均 : ", "\x95\xBD\x8B\xCF\x20\x3A\x20"},
        {"標準偏差σ", "\x95\x57\x8F\x80\x95\xCE\x8D\xB7\x83\xD0"},
        {"～", "\x81\x60"},
        {"￥", "\x81\x8F"},
        {"○", "\x81\x9B"},
        {"①", "\x87\x40"},             // NEC special row
        {"ⅰ", "\xFA\x40"},             // IBM extension
        {"\xEE\x80\x80", "\xF0\x40"},  // first user-defined character, U+E000
        {"試料A\r\nロットB", "\x8E\x8E\x97\xBF\x41\r\n\x83\x8D\x83\x62\x83\x67\x42"},
    };
    for (const Pair& c : cases) {
        Result<std::string> bytes = encodeCp932(c.text);
        ASSERT_TRUE(bytes.ok()) << c.text << ": " << bytes.error().message;
        EXPECT_EQ(bytes.value(), c.bytes) << c.text;
        Result<std::string> text = decodeCp932(c.bytes);
        ASSERT_TRUE(text.ok()) << c.text << ": " << text.error().message;
        EXPECT_EQ(text.value(), c.text);
    }
}

TEST(Cp932, EveryAsciiByteIsItself)
{
    std::string ascii;
    for (int b = 0; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    EXPECT_EQ(encodeCp932(ascii).value(), ascii);
    EXPECT_EQ(decodeCp932(ascii).value(), ascii);
}

// What the input methods type, what is saved, and the bytes of what is saved.
TEST(Cp932, LookAlikesAreSavedAsTheCodePageCharacters)
{
    struct LookAlike {
        std::string typed;
        std::string saved;
        std::string bytes;
    };
    const std::vector<LookAlike> cases = {
        {"〜", "～", "\x81\x60"},  // U+301C
        {"−", "－", "\x81\x7C"},   // U+2212
        {"¢", "￠", "\x81\x91"},
        {"£", "￡", "\x81\x92"},
        {"¬", "￢", "\x81\xCA"},
        {"‖", "∥", "\x81\x61"},   // U+2016
        {"—", "―", "\x81\x5C"},   // U+2014
        {"¥", "￥", "\x81\x8F"},  // not 0x5C, which reads back as a backslash
        {"10〜20 −5¥", "10～20 －5￥",
         "10\x81\x60"
         "20 \x81\x7C"
         "5\x81\x8F"},
    };
    for (const LookAlike& c : cases) {
        Result<std::string> bytes = encodeCp932(c.typed);
        ASSERT_TRUE(bytes.ok()) << c.typed << ": " << bytes.error().message;
        EXPECT_EQ(bytes.value(), c.bytes) << c.typed;
        EXPECT_EQ(decodeCp932(c.bytes).value(), c.saved) << c.typed;
    }
}

TEST(Cp932, CharactersOutsideTheCodePageAreRefusedByName)
{
    struct Refused {
        std::string text;
        std::string message;
    };
    const std::vector<Refused> cases = {
        {"😀", "文字 \"😀\" (U+1F600) はファイルに保存できません。"},
        {"平均😀σ", "文字 \"😀\" (U+1F600) はファイルに保存できません。"},
        {"café", "文字 \"é\" (U+00E9) はファイルに保存できません。"},
        {"한", "文字 \"한\" (U+D55C) はファイルに保存できません。"},
        {"a\u00A0b", "文字 \"\u00A0\" (U+00A0) はファイルに保存できません。"},
        {"¦", "文字 \"¦\" (U+00A6) はファイルに保存できません。"},
        // glibc writes these as "~" and as nothing at all, without an error.
        {"x‾", "文字 \"‾\" (U+203E) はファイルに保存できません。"},
        {"平\U000E0041", "文字 \"\U000E0041\" (U+E0041) はファイルに保存できません。"},
    };
    for (const Refused& c : cases) {
        Result<std::string> bytes = encodeCp932(c.text);
        ASSERT_FALSE(bytes.ok()) << c.text;
        EXPECT_EQ(bytes.error().message, c.message);
    }
}

// All of them at once, each once, in the order typed; look-alikes and saved characters are
// not among them.
TEST(Cp932, EveryCharacterOutsideTheCodePageIsListedOnce)
{
    EXPECT_TRUE(charactersNotInCp932("").empty());
    EXPECT_TRUE(charactersNotInCp932("ロット A〜B − ¥100 ①").empty());
    EXPECT_EQ(charactersNotInCp932("é 😀 温度 é ‾"), (std::vector<std::string>{"é", "😀", "‾"}));
    EXPECT_EQ(charactersNotInCp932("a\xff b"), (std::vector<std::string>{"\uFFFD"}));
}

TEST(Cp932, InvalidUtf8IsRefused)
{
    const std::vector<std::string> cases = {
        "\xFF", "平\xE5", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80",
    };
    for (const std::string& text : cases) {
        Result<std::string> bytes = encodeCp932(text);
        ASSERT_FALSE(bytes.ok()) << testing::PrintToString(text);
        EXPECT_NE(bytes.error().message.find("UTF-8"), std::string::npos);
    }
}

TEST(Cp932, InvalidBytesAreRefusedWithTheBytes)
{
    const std::vector<Pair> cases = {
        {"\x81", "(0x81)"},  // lead byte at the end
        {"abc\x82", "(0x82)"},
        {"\x80", "(0x80)"},
        {"\xA0", "(0xA0)"},
        {"\xFD", "(0xFD)"},
        {"\xFF", "(0xFF)"},
        {"\x81\x20", "(0x81 0x20)"},  // trail byte out of range
        {"\x81\x7F", "(0x81 0x7F)"},
        {"\x81\r\n", "(0x81 0x0D)"},
        {"\x85\x40", "(0x85 0x40)"},  // unassigned row
        {"\xEB\x40", "(0xEB 0x40)"},
        {"\xFC\x4C", "(0xFC 0x4C)"},  // after the last IBM extension
        {"\x95\xBD\x8B\xCF\x80", "(0x80)"},
    };
    for (const Pair& c : cases) {
        Result<std::string> text = decodeCp932(c.text);
        ASSERT_FALSE(text.ok()) << testing::PrintToString(c.text);
        EXPECT_NE(text.error().message.find(c.bytes), std::string::npos) << text.error().message;
        EXPECT_TRUE(text.error().file.empty());
    }
}

// Whatever is accepted for saving must read back as itself (after the look-alike mapping).
TEST(Cp932, EverySavedCharacterReadsBack)
{
    int saved = 0;
    for (char32_t c = 0x80; c < 0x30000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        Result<std::string> bytes = encodeCp932(utf8Of(c));
        if (!bytes.ok())
            continue;
        ++saved;
        Result<std::string> back = decodeCp932(bytes.value());
        ASSERT_TRUE(back.ok());
        Result<std::string> again = encodeCp932(back.value());
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again.value(), bytes.value()) << "U+" << std::hex << static_cast<unsigned>(c);
        if (back.value() != utf8Of(c)) {
            EXPECT_TRUE(c == 0xA2 || c == 0xA3 || c == 0xA5 || c == 0xAC || c == 0x2014 || c == 0x2016 || c == 0x2212 ||
                        c == 0x301C)
                << "U+" << std::hex << static_cast<unsigned>(c) << " changed on saving";
        }
    }
    // 7 724 characters of JIS X 0208 and the vendor rows, 63 half-width katakana,
    // 1 880 user-defined characters, less duplicates, plus the look-alikes.
    EXPECT_GT(saved, 9000);
}

// Every character of a file written by Windows can be saved again.
TEST(Cp932, EveryReadableCharacterCanBeSavedAgain)
{
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            Result<std::string> text = decodeCp932(bytes);
            if (!text.ok())
                continue;
            Result<std::string> again = encodeCp932(text.value());
            ASSERT_TRUE(again.ok()) << std::hex << lead << trail;
            EXPECT_EQ(decodeCp932(again.value()).value(), text.value());
        }
    }
}

TEST(Cp932, AFailedConversionDoesNotDisturbTheNext)
{
    EXPECT_FALSE(encodeCp932("😀").ok());
    EXPECT_EQ(encodeCp932("平均").value(), "\x95\xBD\x8B\xCF");
    EXPECT_FALSE(decodeCp932("\x95\xBD\x8B").ok());
    EXPECT_EQ(decodeCp932("\xCF").value(), "ﾏ");
    EXPECT_EQ(decodeCp932("\x8B\xCF").value(), "均");
}

TEST(Cp932, ThreadsConvertIndependently)
{
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures, t] {
            for (int i = 0; i < 2000; ++i) {
                Result<std::string> bytes = encodeCp932("平均 : ｱ" + std::to_string(i));
                Result<std::string> text = bytes.ok() ? decodeCp932(bytes.value()) : Result<std::string>(bytes.error());
                if (!text.ok() || text.value() != "平均 : ｱ" + std::to_string(i))
                    ++failures[t];
                if (decodeCp932("\x81").ok())
                    ++failures[t];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace probel
