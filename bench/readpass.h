#pragma once

#include "listbox.h"

#include <benchmark/benchmark.h>

// The floor every handler is set against: reading each entry's text of a
// force list once and nothing else.
inline void readEveryEntry(benchmark::State& state, const toolkit::ListBox& list)
{
    for (auto _ : state) {
        std::size_t characters = 0;
        const toolkit::Row count = list.ListCount();
        for (toolkit::Row row = 0; row < count; ++row)
            characters += list.List(row).size();
        benchmark::DoNotOptimize(characters);
    }
}
