# Thin wrapper over CMake: `make`, `make test`, `make demo` (which first installs what a fresh
# machine lacks, through .ci/setup); `make tools` builds the four tools only. `make
# update-cases` rewrites the expected outputs of the stored cases (tests/cases/) from the built
# tools; review the change with `git diff tests/cases`.
# `make test SANITIZE=1` builds and tests with AddressSanitizer and UBSan in build-sanitize/.
# `make bench` times the merge on a generated worst case; `make fuzz` runs the fuzz targets.
BUILD ?= build
CMAKE_FLAGS ?=
ifeq ($(SANITIZE),1)
BUILD := build-sanitize
CMAKE_FLAGS += -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
endif
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure tools test update-cases demo bench fuzz format clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

# Installs from Debian's packages what a fresh machine lacks (needs root or sudo).
setup:
	sh .ci/setup

configure:
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

tools: configure
	cmake --build $(BUILD) -j $(JOBS) --target TAV3eng TAV3 cellsolve tiltmap

test: all
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

update-cases: all
	UPDATE_CASES=1 ctest --test-dir $(BUILD) -L case -j $(JOBS)

# The install step finds what is missing first and installs nothing when all is there; the
# demo's last line is the absolute path of its report page.
demo:
	@sh .ci/setup
	@$(MAKE) --no-print-directory tools
	sh examples/demo.sh $(CURDIR)/$(BUILD)/bin

bench: all
	sh tests/bench/run_bench.sh $(BUILD)/bin $(BUILD)/tests examples

# Each fuzz target runs FUZZ_SECONDS on a scratch copy of its corpus (tests/fuzz/corpus/).
FUZZ_SECONDS ?= 60
fuzz:
	@cmake -S . -B build-fuzz -DFUZZ=ON -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	cmake --build build-fuzz -j $(JOBS)
	sh tests/fuzz/run_fuzz.sh build-fuzz/tests/fuzz $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build build-sanitize build-fuzz demo-run
