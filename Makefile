# The two commands a user needs: `make demo` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_GEN  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: demo test build build-asan fuzz deps format clean

deps:
	@scripts/ensure-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DARVEX_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

demo: build
	@scripts/demo $(BUILD)

test: build build-asan
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Every fuzz target under libFuzzer for FUZZ_SECONDS each, in a clang build of its own
# (fuzz/README.md); prints the executions and findings per target.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DARVEX_SANITIZE=ON -DARVEX_FUZZ=ON -DARVEX_BUILD_TESTS=OFF -DARVEX_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_targets -j $(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run-fuzzers $(FUZZ_BUILD)

format:
	@git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
