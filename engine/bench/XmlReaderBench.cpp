// Reading speed of the XML dialect: a sprite-like document of many small elements, and one
// very long line of attributes (the case a naive reader handles in quadratic time).
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "tolm/utils/xml/CXmlParser.h"
#include "tolm/utils/xml/CXmlTreeBuilder.h"

namespace {

std::string ManyElements(int count) {
    std::string text = "<Animations>\n";
    for (int i = 0; i < count; ++i) {
        text += "  <Frame x=\"" + std::to_string(i) + "\" y=\"0\" w=\"32\" h=\"32\" >\n";
        text += "    <Delay>\n      100\n    </Delay>\n  </Frame>\n";
    }
    return text + "</Animations>\n";
}

std::string LongAttributeLine(int count) {
    std::string text = "<x";
    for (int i = 0; i < count; ++i) text += " a" + std::to_string(i) + "=\"v\"";
    return text + ">";
}

void Read(benchmark::State& state, const std::string& document) {
    for (auto _ : state) {
        tolm::CXmlTreeBuilder builder;
        tolm::CXmlParser parser(&builder);
        std::istringstream in(document);
        parser.Parse(in);
        benchmark::DoNotOptimize(builder.GetRoot());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(document.size()));
}

void BM_ReadManyElements(benchmark::State& state) {
    Read(state, ManyElements(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadManyElements)->Arg(100)->Arg(10000);

void BM_ReadLongAttributeLine(benchmark::State& state) {
    Read(state, LongAttributeLine(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ReadLongAttributeLine)->Arg(1000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
