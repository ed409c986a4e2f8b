# make run    builds compras and opens its screens on a terminal, or imports the sample
#             company's invoices when not on one (ARGS overrides)
# make test   builds everything and runs every test
# make asan   the same tests under AddressSanitizer and UBSan
# make bench  the benchmarks, in an optimised build
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE ?= cmake
CTEST ?= ctest
ARGS ?=

.PHONY: all build run test quick asan bench install clean

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

# Só as bibliotecas e o compras: a instalação não precisa dos testes.
install: $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target vrmwnd compras
	$(CMAKE) --install $(BUILD) --prefix $(or $(PREFIX),$(CURDIR)/install)

clean:
	rm -rf $(BUILD) build-asan build-bench install
