# The two set-up commands, `make run` and `make test`, install what is missing,
# configure, build, and then run or test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DKEP_BUILD_TESTS=OFF -DKEP_BUILD_DESKTOP=OFF > /dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)
	@bash scripts/bench.sh $(BUILD)-bench

clean:
	rm -rf $(BUILD) $(BUILD)-*
