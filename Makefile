# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test bench build configure dependencies clean

run: build
	./$(BUILD)/taktzeit

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Benchmarks in their own Release build; see BENCHMARKS.md.
bench:
	bench/run.sh

build: configure
	cmake --build $(BUILD) -j$(JOBS)

configure: dependencies
	cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

dependencies:
	@scripts/install-dependencies

clean:
	rm -rf $(BUILD)
