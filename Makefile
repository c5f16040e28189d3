# Wraps CMake: `make run` and `make test` set up everything they need.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build deps configure run test bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@scripts/run $(BUILD_DIR)/zorvan-calculator

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

bench: build
	$(BUILD_DIR)/bench/bench_recalc

clean:
	rm -rf $(BUILD_DIR)
