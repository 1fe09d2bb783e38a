// StrBuffer against std::u16string for the work strings do most: appending
// units, formatting numbers, splitting and replacing in a large text.

#include "foundation/strings/StrArray.h"
#include "foundation/strings/StrBuffer.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

using s::str::StrBuffer;

namespace {

constexpr int kUnits = 1000000;
constexpr int kNumbers = 1000000;

// About 1 MB of text: words separated by spaces, "ab" sprinkled in.
std::u16string sampleText() {
    std::u16string text;
    while (text.size() < 512 * 1024)
        text += u"lorem ab ipsum dolor sit amet ab consectetur ";
    return text;
}

void AppendUnits_StrBuffer(benchmark::State& state) {
    for (auto _ : state) {
        StrBuffer s;
        for (int i = 0; i < kUnits; ++i)
            s.append(static_cast<char16_t>(u'a' + i % 26));
        benchmark::DoNotOptimize(s.buffer());
    }
}

void AppendUnits_U16String(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string s;
        for (int i = 0; i < kUnits; ++i)
            s.push_back(static_cast<char16_t>(u'a' + i % 26));
        benchmark::DoNotOptimize(s.data());
    }
}

void FormatNumbers_StrBuffer(benchmark::State& state) {
    for (auto _ : state) {
        StrBuffer s;
        for (int i = 0; i < kNumbers; ++i)
            s.append(static_cast<std::int32_t>(static_cast<std::uint32_t>(i) * 7919u));
        benchmark::DoNotOptimize(s.buffer());
    }
}

void FormatNumbers_U16String(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string s;
        char digits[16];
        for (int i = 0; i < kNumbers; ++i) {
            auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(i) * 7919u);
            auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
            for (char* p = digits; p < end; ++p)
                s.push_back(static_cast<char16_t>(*p));
        }
        benchmark::DoNotOptimize(s.data());
    }
}

void Split_StrBuffer(benchmark::State& state) {
    StrBuffer text(sampleText().c_str());
    for (auto _ : state) {
        auto* pieces = text.split(u' ');
        benchmark::DoNotOptimize(pieces->count());
        pieces->release();
    }
}

void Split_U16String(benchmark::State& state) {
    std::u16string text = sampleText();
    for (auto _ : state) {
        std::vector<std::u16string> pieces;
        std::size_t start = 0;
        for (std::size_t at; (at = text.find(u' ', start)) != std::u16string::npos; start = at + 1)
            if (at != start)
                pieces.emplace_back(text, start, at - start);
        if (start < text.size())
            pieces.emplace_back(text, start);
        benchmark::DoNotOptimize(pieces.data());
    }
}

void ReplaceAll_StrBuffer(benchmark::State& state) {
    StrBuffer original(sampleText().c_str());
    for (auto _ : state) {
        StrBuffer text(original);
        text.replaceAll(u"ab", u"xyz");
        benchmark::DoNotOptimize(text.buffer());
    }
}

void ReplaceAll_U16String(benchmark::State& state) {
    std::u16string original = sampleText();
    for (auto _ : state) {
        std::u16string out;
        out.reserve(original.size());
        std::size_t start = 0;
        for (std::size_t at; (at = original.find(u"ab", start)) != std::u16string::npos;
             start = at + 2) {
            out.append(original, start, at - start);
            out += u"xyz";
        }
        out.append(original, start);
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

BENCHMARK(AppendUnits_StrBuffer);
BENCHMARK(AppendUnits_U16String);
BENCHMARK(FormatNumbers_StrBuffer);
BENCHMARK(FormatNumbers_U16String);
BENCHMARK(Split_StrBuffer);
BENCHMARK(Split_U16String);
BENCHMARK(ReplaceAll_StrBuffer);
BENCHMARK(ReplaceAll_U16String);

BENCHMARK_MAIN();
