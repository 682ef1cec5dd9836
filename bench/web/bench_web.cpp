#include "platform/SettingsStore.h"
#include "web/LinkTable.h"
#include "web/TellAFriend.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

// A form as most users fill it in.
void BM_BuildTellAFriendAddress_Typical(benchmark::State& state)
{
    const TellAFriendFields fields{u"Ann Smith"_s, u"ann@mail.example"_s, u"Your Message\r\n"_s,
                                   u"Bob"_s, u"bob@mail.example"_s};
    for (auto _ : state)
        benchmark::DoNotOptimize(buildTellAFriendAddress(fields));
}
BENCHMARK(BM_BuildTellAFriendAddress_Typical);

// Every field as long as the argument, half of it characters that must be encoded.
void BM_BuildTellAFriendAddress_Long(benchmark::State& state)
{
    const QString text = u"a b&c\u00E9d#"_s.repeated(state.range(0) / 8);
    const TellAFriendFields fields{text, text, text, text, text};
    for (auto _ : state)
        benchmark::DoNotOptimize(buildTellAFriendAddress(fields));
    state.SetBytesProcessed(state.iterations() * 5 * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_BuildTellAFriendAddress_Long)->Arg(80)->Arg(10'000)->Arg(100'000);

void BM_PageAddress(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pageAddress(Page::Download));
}
BENCHMARK(BM_PageAddress);

void BM_ScrambleRoundTrip(benchmark::State& state)
{
    const QString date = u"2024-04-03"_s;
    for (auto _ : state)
        benchmark::DoNotOptimize(UnscrambleSetting(ScrambleSetting(date)));
}
BENCHMARK(BM_ScrambleRoundTrip);

} // namespace
} // namespace skyvarre

BENCHMARK_MAIN();
