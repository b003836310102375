// How fast the archive writes and reads the strings and numbers every record is made of.
#include <benchmark/benchmark.h>

#include "platform/archive.h"

static void BM_ArchiveStringRoundTrip(benchmark::State& state) {
    const QString text(int(state.range(0)), QLatin1Char('n'));
    for (auto _ : state) {
        QByteArray bytes;
        {
            CArchive out(CArchive::store, &bytes);
            for (int i = 0; i < 100; ++i) {
                out << text;
            }
        }
        CArchive in(CArchive::load, &bytes);
        QString back;
        for (int i = 0; i < 100; ++i) {
            in >> back;
        }
        benchmark::DoNotOptimize(back);
    }
    state.SetBytesProcessed(state.iterations() * 100 * state.range(0) * 2);
}
BENCHMARK(BM_ArchiveStringRoundTrip)->Arg(16)->Arg(300)->Arg(70000);

static void BM_ArchiveFloats(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray bytes;
        bytes.reserve(4 * 10000);
        CArchive out(CArchive::store, &bytes);
        for (int i = 0; i < 10000; ++i) {
            out << float(i) * 0.5f;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ArchiveFloats);
