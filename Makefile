# Thin wrapper over CMake: `make`, `make test`, `make demo`.
# `make test SANITIZE=1` builds and tests with AddressSanitizer and UBSan in build-sanitize/.
BUILD ?= build
CMAKE_FLAGS ?=
ifeq ($(SANITIZE),1)
BUILD := build-sanitize
CMAKE_FLAGS += -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
endif
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all configure test demo bench format clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

configure:
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

test: all
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

demo: all
	sh examples/demo.sh $(CURDIR)/$(BUILD)/bin

bench: all
	sh tests/bench/run_bench.sh $(BUILD)/bin $(BUILD)/tests

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build build-sanitize demo-run
