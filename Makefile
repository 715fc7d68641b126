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

# Random use of every window under AddressSanitizer and UndefinedBehaviorSanitizer: for
# MONKEY_SECONDS (default 600) on each of MONKEY_FILES (default every sample and a tournament of
# conferences), one seed a file.
MONKEY_SECONDS ?= 600
MONKEY_FILES ?= basketball.kvd chess.kvd hockey.kvd soccer.kvd volleyball.kvd conferences.kvd
monkey:
	@$(MAKE) --no-print-directory build BUILD=build-asan \
		CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=ON -DKV_BUILD_BENCH=OFF"
	@for file in $(MONKEY_FILES); do \
		echo "== monkey on $$file for $(MONKEY_SECONDS)s"; \
		ASAN_OPTIONS=intercept_tls_get_addr=0 QT_QPA_PLATFORM=offscreen KV_MONKEY_SECONDS=$(MONKEY_SECONDS) \
			KV_MONKEY_FILE=$$file KV_MONKEY_SEED=20261210 \
			build-asan/bin/kv_tests_ui --gtest_filter='Monkey.*' > build-asan/monkey-$$file.log 2>&1; \
		status=$$?; grep "monkey:" build-asan/monkey-$$file.log; \
		if [ $$status -ne 0 ]; then tail -80 build-asan/monkey-$$file.log; exit 1; fi; \
	done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) build-asan build-fuzz
