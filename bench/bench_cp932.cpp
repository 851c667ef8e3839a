// SPDX-License-Identifier: MIT
// Cost of the document codec per text field: a document can hold a million short numbers,
// and Japanese text sits in captions, units and font names.
#include "core/document/cp932.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kNumberFields = 1'000'000;
constexpr int kJapaneseFields = 10'000;

std::vector<std::string> numberFields()
{
    std::vector<std::string> fields;
    fields.reserve(kNumberFields);
    for (int i = 0; i < kNumberFields; ++i)
        fields.push_back(std::to_string(i * 0.37));
    return fields;
}

std::vector<std::string> japaneseFields()
{
    std::vector<std::string> fields;
    fields.reserve(kJapaneseFields);
    for (int i = 0; i < kJapaneseFields; ++i) {
        fields.push_back("ロット" + std::to_string(i) + " 平均 : ｱｲｳ ＭＳ Ｐゴシック～σ");
    }
    return fields;
}

std::vector<std::string> encoded(const std::vector<std::string>& fields)
{
    std::vector<std::string> bytes;
    bytes.reserve(fields.size());
    for (const std::string& field : fields)
        bytes.push_back(probel::encodeCp932(field).value());
    return bytes;
}

template <auto convert>
void convertAll(benchmark::State& state, const std::vector<std::string>& fields)
{
    for (auto _ : state) {
        for (const std::string& field : fields)
            benchmark::DoNotOptimize(convert(field));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(fields.size()));
}

void BM_EncodeNumberFields(benchmark::State& state)
{
    static const std::vector<std::string> fields = numberFields();
    convertAll<probel::encodeCp932>(state, fields);
}

void BM_DecodeNumberFields(benchmark::State& state)
{
    static const std::vector<std::string> fields = numberFields();
    convertAll<probel::decodeCp932>(state, fields);
}

void BM_EncodeJapaneseFields(benchmark::State& state)
{
    static const std::vector<std::string> fields = japaneseFields();
    convertAll<probel::encodeCp932>(state, fields);
}

void BM_DecodeJapaneseFields(benchmark::State& state)
{
    static const std::vector<std::string> fields = encoded(japaneseFields());
    convertAll<probel::decodeCp932>(state, fields);
}

}  // namespace

BENCHMARK(BM_EncodeNumberFields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeNumberFields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeJapaneseFields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJapaneseFields)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
