// SPDX-License-Identifier: MIT
// The least a document rewrite can cost: reads a .pbl whole, converts every number field with
// std::from_chars and writes it back with std::to_chars (15 significant digits), copying the
// texts and Booleans as they are. No checks, no sheet: a floor to measure `probel-cli convert`
// against, not a converter.
//   pbl_numbers IN.pbl OUT.pbl
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string readAll(const char* path)
{
    std::string bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return bytes;
    }
    char chunk[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, count);
    }
    std::fclose(file);
    return bytes;
}

bool isBreak(char c)
{
    return c == '\r' || c == '\n' || c == ',';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pbl_numbers IN.pbl OUT.pbl\n");
        return 2;
    }
    const std::string in = readAll(argv[1]);
    std::string out;
    out.reserve(in.size() + in.size() / 8);
    std::size_t numbers = 0;
    const char* at = in.data();
    const char* const end = at + in.size();
    while (at < end) {
        if (*at == '"') {
            const char* close = at + 1;
            while (close < end && *close != '"') {
                ++close;
            }
            const char* next = close < end ? close + 1 : end;
            out.append(at, next);
            at = next;
        } else if (*at == '\r' || *at == '\n' || *at == ',') {
            out.push_back(*at++);
        } else {
            const char* fieldEnd = at;
            while (fieldEnd < end && !isBreak(*fieldEnd)) {
                ++fieldEnd;
            }
            double value = 0;
            const auto read = std::from_chars(at, fieldEnd, value);
            if (read.ec == std::errc{} && read.ptr == fieldEnd) {
                char digits[32];
                const auto written =
                    std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
                out.append(digits, written.ptr);
                ++numbers;
            } else {
                out.append(at, fieldEnd);
            }
            at = fieldEnd;
        }
    }
    std::FILE* file = std::fopen(argv[2], "wb");
    if (file == nullptr || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "pbl_numbers: cannot write %s\n", argv[2]);
        return 1;
    }
    return numbers > 0 ? 0 : 1;
}
