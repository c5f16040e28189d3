#pragma once

#include "listbox.h"

#include <benchmark/benchmark.h>

// The floor every handler is set against: reading each entry's text of a
// force list once and nothing else.
inline void readEveryEntry(benchmark::State& state, const ListBox& list)
{
    for (auto _ : state) {
        qsizetype characters = 0;
        const qint16 count = list.ListCount();
        for (qint16 row = 0; row < count; ++row)
            characters += list.List(row).size();
        benchmark::DoNotOptimize(characters);
    }
}
