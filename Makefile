# make run   installs what is missing, builds, and starts the program on its sample data
# make test  installs what is missing, builds, and runs the test suite
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench fuzz test-asan format clean screenshots install deb monkey

all: build

deps:
	@scripts/install-deps

configure: deps
	@mkdir -p $(BUILD)
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) > $(BUILD)/configure.log 2>&1 \
		|| (cat $(BUILD)/configure.log; exit 1)

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) --timeout 600

run: build
	@scripts/run-samples $(BUILD)

# make install PREFIX=/usr/local (DESTDIR= for a staging root)
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the program in $(BUILD)/.
deb: build
	@cd $(BUILD) && cpack -G DEB

# One picture per window, dialog and page, offscreen, in $(BUILD)/screenshots/.
screenshots: build
	@scripts/install-deps --browser
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kv_screenshots $(BUILD)/screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kv_screenshots $(BUILD)/screenshots/de deutsch.lng > /dev/null
	@scripts/publish-screenshots $(BUILD)

bench: build
	@scripts/bench-report $(BUILD)

# The test suite under AddressSanitizer and UndefinedBehaviorSanitizer. LeakSanitizer's
# tracking of the thread storage of libraries loaded at run time (Qt's image plugins) reads a
# garbled entry on this glibc and crashes its own tracer at exit; that storage is left unscanned.
test-asan:
	@ASAN_OPTIONS=intercept_tls_get_addr=0 $(MAKE) --no-print-directory test BUILD=build-asan \
		CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=ON -DKV_BUILD_BENCH=OFF"

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (default 60).
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps --fuzz
	@scripts/run-fuzz $(FUZZ_SECONDS)

# Random use of every window for MONKEY_SECONDS (default 600) a seed, under AddressSanitizer
# and UndefinedBehaviorSanitizer.
MONKEY_SECONDS ?= 600
monkey:
	@$(MAKE) --no-print-directory build BUILD=build-asan \
		CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=ON -DKV_BUILD_BENCH=OFF"
	@ASAN_OPTIONS=intercept_tls_get_addr=0 QT_QPA_PLATFORM=offscreen KV_MONKEY_SECONDS=$(MONKEY_SECONDS) \
		build-asan/bin/kv_tests_ui --gtest_filter='Monkey.*'

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) build-asan build-fuzz
