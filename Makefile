# The two commands a fresh Debian machine needs: `make play` and `make test`.
.PHONY: all deps build play test test-normal test-asan test-tsan fuzz bench clean

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

all: build

deps:
	./scripts/install-deps

build/build.ninja:
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps build/build.ninja
	ninja -C build -j$(JOBS)

# Runs the client from build/, where the generated res/ lives.
play: build
	cd build && ./korvane $(ARGS)

build-asan/build.ninja:
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=address -DKORVANE_BENCH=OFF $(CMAKE_FLAGS)

build-tsan/build.ninja:
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=thread -DKORVANE_ASSETS=OFF -DKORVANE_BENCH=OFF $(CMAKE_FLAGS)

test-normal: build
	cd build && ctest --output-on-failure -j$(JOBS)

test-asan: deps build-asan/build.ninja
	ninja -C build-asan -j$(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS)

test-tsan: deps build-tsan/build.ninja
	ninja -C build-tsan -j$(JOBS)
	cd build-tsan && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --output-on-failure -j$(JOBS)

fuzz: deps
	@if [ -x scripts/run-fuzz ]; then ./scripts/run-fuzz; else echo "no fuzz harness yet"; fi

# Everything CI runs: the normal build, the ASan+UBSan build, the TSan build of the
# network suites, and a bounded fuzz run.
test: test-normal test-asan test-tsan fuzz

bench: build
	@for b in build/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf build build-asan build-tsan build-fuzz
