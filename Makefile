# Two entry points: `make run` starts vantrel on the bundled sample catalogue,
# `make test` builds and runs every test. Both install what they need first.
# `make package` builds the Debian package vantrel_<version>_<arch>.deb in $(BUILD).
BUILD ?= build
BUILD_TYPE ?= Release
CTEST_JOBS ?= 2

FUZZ_SECONDS ?= 30
# CI sets WERROR=ON, and runs the tests once more with SANITIZE=ON (ASan and UBSan, in a
# build folder of their own).
WERROR ?= OFF
SANITIZE ?= OFF
ifeq ($(SANITIZE),ON)
BUILD := $(BUILD)-sanitize
BUILD_TYPE := RelWithDebInfo
endif

.PHONY: all bootstrap configure build run test package bench fuzz fuzz-smoke format-check \
        translations translations-check clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVANTREL_WERROR=$(WERROR) \
	    -DVANTREL_SANITIZE=$(SANITIZE)

configure: bootstrap $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/vantrel --catalogue $(BUILD)/bin/commodore.mdb

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(CTEST_JOBS)

package: build
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b || exit 1; done

fuzz: bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON
	cmake --build $(BUILD)-fuzz --target fuzzers

# Runs every fuzzer for FUZZ_SECONDS on a copy of its seed corpus.
fuzz-smoke: fuzz
	@for f in $(BUILD)-fuzz/bin/fuzz_*; do \
	    name=$$(basename $$f | sed 's/^fuzz_//'); \
	    work=$(BUILD)-fuzz/corpus/$$name; mkdir -p $$work; \
	    cp -r fuzz/corpus/$$name/. $$work/ 2>/dev/null || true; \
	    echo "== $$f ($(FUZZ_SECONDS) s)"; \
	    $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $$work || exit 1; \
	done

# Fails when a source file differs from what the project's .clang-format makes of it.
format-check: bootstrap
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Brings translations/*.ts up to date with the sources and lists what is left to translate;
# translations-check fails on a stale file or an unfinished entry.
translations: bootstrap
	@scripts/update-translations

translations-check: bootstrap
	@scripts/check-translations

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-sanitize
