// The entry point of kestrel-bench; the benchmarks register themselves from their own files.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
