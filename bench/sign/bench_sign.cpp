#include "sign/Calendar.h"
#include "sign/InputChecks.h"
#include "sign/Month.h"
#include "sign/SednaSign.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skyvarre {
namespace {

struct DateTexts
{
    std::string year;
    std::string_view month;
    std::string day;
};

// The texts are built once, as the input window's lists hold them, so that only the lookup
// itself is timed.
std::vector<DateTexts> EveryCalendarDate()
{
    std::vector<DateTexts> dates;
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        for (int month = 1; month <= kMonthCount; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::chrono::year_month_day date{
                    std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                    std::chrono::day{static_cast<unsigned>(day)}};
                if (date.ok()) {
                    dates.push_back({std::to_string(year),
                                     kMonthNames.at(static_cast<std::size_t>(month - 1)),
                                     std::to_string(day)});
                }
            }
        }
    }
    return dates;
}

void DetermineSednaSignEveryDate(benchmark::State& state)
{
    const std::vector<DateTexts> dates = EveryCalendarDate();
    for (auto _ : state) {
        for (const DateTexts& date : dates) {
            DetermineSednaSign(date.year, date.month, date.day);
            benchmark::DoNotOptimize(SednaSign.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(dates.size()));
    state.counters["dates"] = static_cast<double>(dates.size());
}
BENCHMARK(DetermineSednaSignEveryDate)->Unit(benchmark::kMicrosecond);

void ValidateInputEveryListEntry(benchmark::State& state)
{
    std::vector<std::string> years;
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year)
        years.push_back(std::to_string(year));
    std::int64_t checks = 0;
    for (auto _ : state) {
        for (const std::string& year : years) {
            for (int month = 0; month < kMonthCount; ++month) {
                for (int day = 0; day < 31; ++day) {
                    benchmark::DoNotOptimize(ValidateInput("Ann", day, month, year));
                    ++checks;
                }
            }
        }
    }
    state.SetItemsProcessed(checks);
}
BENCHMARK(ValidateInputEveryListEntry)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace skyvarre

BENCHMARK_MAIN();
