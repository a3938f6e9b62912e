# The two set-up commands, `make run` and `make test`, install what is missing,
# configure, build, and then run or test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_SECONDS ?= 60
DIFFERENTIAL_CASES ?= 100000

.PHONY: all deps configure build run python package test-package test test-long test-sanitize test-tsan fuzz bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only what it runs: the desktop program and the command line, not the tests.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kep-cli kep
	@bash scripts/run.sh $(BUILD)

# The Python module kep, built for Debian's python3 and made importable by it for
# this user (scripts/python-path.sh).
python: configure
	@cmake --build $(BUILD) --target kep_python -j $(JOBS)
	@bash scripts/python-path.sh $(BUILD)

# kep_VERSION_ARCH.deb in this directory, from a Release build in $(BUILD)-package.
package: deps
	@JOBS=$(JOBS) bash scripts/package.sh $(BUILD)-package

# Builds the package and checks what it installs, unpacked (scripts/test-package.sh).
test-package: deps
	@JOBS=$(JOBS) bash scripts/test-package.sh $(BUILD)-package

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The fast methods against their plain forms on DIFFERENTIAL_CASES random pictures
# each (the normal suite checks 1000).
test-long: build
	@cd $(BUILD) && KEP_DIFFERENTIAL_CASES=$(DIFFERENTIAL_CASES) ctest --output-on-failure -j $(JOBS) -R Differential

# AddressSanitizer and UndefinedBehaviorSanitizer over the whole unit-test suite.
test-sanitize: deps
	@JOBS=$(JOBS) bash scripts/test-sanitize.sh

# ThreadSanitizer over measurements on two threads at once.
test-tsan: deps
	@JOBS=$(JOBS) bash scripts/test-tsan.sh

# Each fuzz target for FUZZ_SECONDS seconds (default 60).
fuzz: deps
	@JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh

bench: deps
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DKEP_BUILD_TESTS=OFF > /dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)
	@bash scripts/bench.sh $(BUILD)-bench

clean:
	rm -rf $(BUILD) $(BUILD)-*
