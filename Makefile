# Two entry points: `make run` starts vantrel on the bundled sample catalogue,
# `make test` builds and runs every test. Both install what they need first.
BUILD ?= build
BUILD_TYPE ?= Release
CTEST_JOBS ?= 2

.PHONY: all bootstrap configure build run test bench fuzz clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: bootstrap $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/vantrel --catalogue $(BUILD)/bin/commodore.mdb

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(CTEST_JOBS)

bench: build
	$(BUILD)/bin/bench_all

fuzz: bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON
	cmake --build $(BUILD)-fuzz --target fuzzers

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz
