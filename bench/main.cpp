// Ponto de entrada dos benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
