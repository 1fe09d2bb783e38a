// Parsing settings-like documents of 256 KB, 1 MB and 4 MB, from UTF-16 text
// and from UTF-8 bytes, and writing them back. Throughput is reported in
// bytes of UTF-8 input per second; the fitted complexity shows whether the
// time grows linearly with the size.

#include "foundation/collections/Arrays.h"
#include "foundation/objects/Pools.h"
#include "foundation/strings/StrBuffer.h"
#include "storage/Node.h"

#include <benchmark/benchmark.h>

#include <string>

using s::xml::Node;

namespace {

// Sections with numeric and string attributes, escaped text, comments and
// nesting, as the settings files and the language pack have them, repeated
// up to the size.
std::string documentOf(std::size_t bytes) {
    std::string text = "<savedata>";
    for (int i = 0; text.size() < bytes; ++i) {
        std::string n = std::to_string(i);
        text += "<Window" + n + " Width=\"640\" Height=\"480\" X=\"-12\" Name=\"Main &amp; more\">";
        text += "<!-- section " + n + " -->";
        text += "<View OnTop=\"1\" Alpha=\"200\" Skin=\"Thin&#160;Blue\">caf\xC3\xA9&#160;au&#160;lait</View>";
        text += "\n  <Text id=\"" + n + "\">It&apos;s Time! &lt;" + n + "&gt;</Text>";
        text += "</Window" + n + ">";
    }
    return text + "</savedata>";
}

s::col::ArrayU08* bytesOf(const std::string& text) {
    auto* bytes = s::thread::take<s::col::ArrayU08>();
    bytes->append(text.data(), static_cast<std::uint32_t>(text.size()));
    return bytes;
}

void ParseWide(benchmark::State& state) {
    std::string document = documentOf(static_cast<std::size_t>(state.range(0)));
    s::col::ArrayU08* bytes = bytesOf(document);
    s::str::StrBuffer text;
    text.fromUtf8(static_cast<const std::uint8_t*>(bytes->data()), false,
                  static_cast<std::int32_t>(bytes->length()));
    // Only the parse is timed: giving a tree of this size back to the heap
    // costs about as much again, most of it in the allocator (ReleaseTree).
    for (auto _ : state) {
        Node* root = s::thread::take<Node>();
        benchmark::DoNotOptimize(root->parse(text.cStr()));
        state.PauseTiming();
        root->release();
        state.ResumeTiming();
    }
    bytes->release();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
    state.SetComplexityN(static_cast<std::int64_t>(document.size()));
}

void ReleaseTree(benchmark::State& state) {
    std::string document = documentOf(static_cast<std::size_t>(state.range(0)));
    s::col::ArrayU08* bytes = bytesOf(document);
    for (auto _ : state) {
        state.PauseTiming();
        Node* root = s::thread::take<Node>();
        root->parseUtf8(bytes);
        state.ResumeTiming();
        root->release();
    }
    bytes->release();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
    state.SetComplexityN(static_cast<std::int64_t>(document.size()));
}

// Decoding, parsing and giving the tree back: what loading a file costs.
void ParseUtf8(benchmark::State& state) {
    std::string document = documentOf(static_cast<std::size_t>(state.range(0)));
    s::col::ArrayU08* bytes = bytesOf(document);
    for (auto _ : state) {
        Node* root = s::thread::take<Node>();
        root->parseUtf8(bytes);
        benchmark::DoNotOptimize(root->childCount());
        root->release();
    }
    bytes->release();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
    state.SetComplexityN(static_cast<std::int64_t>(document.size()));
}

void WriteUtf8(benchmark::State& state) {
    std::string document = documentOf(static_cast<std::size_t>(state.range(0)));
    s::col::ArrayU08* bytes = bytesOf(document);
    Node* root = s::thread::take<Node>();
    root->parseUtf8(bytes);
    for (auto _ : state) {
        s::col::ArrayU08* written = root->toUtf8();
        benchmark::DoNotOptimize(written->data());
        written->release();
    }
    root->release();
    bytes->release();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
    state.SetComplexityN(static_cast<std::int64_t>(document.size()));
}

} // namespace

BENCHMARK(ParseWide)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(ReleaseTree)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(ParseUtf8)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(WriteUtf8)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
