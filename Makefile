# make run    builds compras and opens its screens on a terminal, or imports the sample
#             company's invoices when not on one (ARGS overrides)
# make test   builds everything and runs every test
# make asan   the same tests under AddressSanitizer and UBSan
# make bench  the benchmarks, in an optimised build
# make fuzz   the fuzz targets under libFuzzer (clang), FUZZ_SECONDS each
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE ?= cmake
CTEST ?= ctest
ARGS ?=

FUZZ_SECONDS ?= 60
CLANG ?= clang
CLANGXX ?= clang++

.PHONY: all build run test quick asan bench fuzz fuzz-clang install clean

all: build

$(BUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# Sem ARGS: num terminal, abre as telas do módulo (compras tela); sem terminal (um
# pipe, o CI), importa as notas de amostra num registro de entrada e o mostra.
run: build
	@if [ -z "$(ARGS)" ] && [ -t 0 ] && [ -t 1 ]; then \
	  $(BUILD)/apps/compras/compras tela; \
	else \
	  $(BUILD)/apps/compras/compras $(or $(ARGS),nota importar 6144 10240 14336 18432); \
	fi

test: build
	$(CTEST) --test-dir $(BUILD) --output-on-failure -j $(JOBS)

quick: build
	$(CTEST) --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L quick

build-asan/CMakeCache.txt:
	$(CMAKE) -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVRMWND_SANITIZE=ON

asan: build-asan/CMakeCache.txt
	$(CMAKE) --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  $(CTEST) --test-dir build-asan --output-on-failure -j $(JOBS)

build-bench/CMakeCache.txt:
	$(CMAKE) -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVRMWND_BENCH=ON -DBUILD_TESTING=OFF

bench: build-bench/CMakeCache.txt
	$(CMAKE) --build build-bench -j $(JOBS)
	build-bench/bench/vrmwnd_bench --benchmark_min_time=0.2

# Clang with libFuzzer and the sanitizers' runtime, installed on first use when missing.
fuzz-clang:
	@printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' | \
	  $(CLANGXX) -x c++ -fsanitize=fuzzer,address,undefined -o /dev/null - 2>/dev/null || \
	  { $(if $(filter 0,$(shell id -u)),,sudo) apt-get update && \
	    $(if $(filter 0,$(shell id -u)),,sudo) apt-get install -y clang libclang-rt-dev; }

build-fuzz/CMakeCache.txt: | fuzz-clang
	CC=$(CLANG) CXX=$(CLANGXX) $(CMAKE) -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVRMWND_FUZZ=ON -DBUILD_TESTING=OFF

fuzz: fuzz-clang build-fuzz/CMakeCache.txt
	$(CMAKE) --build build-fuzz -j $(JOBS)
	tests/fuzz/roda.sh build-fuzz $(FUZZ_SECONDS)

# Só as bibliotecas e o compras: a instalação não precisa dos testes.
install: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target vrmwnd compras
	$(CMAKE) --install $(BUILD) --prefix $(or $(PREFIX),$(CURDIR)/install)

clean:
	rm -rf $(BUILD) build-asan build-bench build-fuzz install
