# Two commands matter: `make run` and `make test`. See README.md.
BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 5
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PROGRAM := $(CURDIR)/$(BUILD)/program
PREFIX ?= /usr/local

.PHONY: deps build run test test-main test-san test-fuzz san fuzz format bench clean install package

# Every Debian package the build, the program and the tests need; returns at once when all are
# there, so that run and test set up a fresh machine by themselves.
deps:
	@bash scripts/install-deps.sh

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Builds, prepares the program folder build/program/ and starts the desktop program there. On a
# machine without a display (no DISPLAY or WAYLAND_DISPLAY) Qt needs QT_QPA_PLATFORM: run then
# uses offscreen, where the windows exist but nothing is visible (scripts/screenshot.sh shows them).
# RUN_ARGS=TEST starts it in test mode.
run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display; starting with QT_QPA_PLATFORM=offscreen (nothing is visible)"; \
	  export QT_QPA_PLATFORM=offscreen; fi; \
	$(BUILD)/bin/selvane --home $(PROGRAM) $(RUN_ARGS)

# The logic tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
san: deps
	@[ -f $(SAN_BUILD)/build.ninja ] || cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVANE_LOGIC_ONLY=ON -DSELVANE_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j $(JOBS)

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# use_tls=0: the leak check's reading of the thread storage of a loaded component (dynamic TLS)
# crashes on this glibc; without TLS as roots it can only report more, never fewer, leaks.
test-san: san
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=use_tls=0 ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# The libFuzzer targets (tests/fuzz) in a clang build of their own; each runs FUZZ_SECONDS,
# seeded from tests/data.
fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVANE_LOGIC_ONLY=ON -DSELVANE_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

test-fuzz: fuzz
	@for f in $(FUZZ_BUILD)/bin/fuzz_*; do \
	  corpus=$(FUZZ_BUILD)/corpus/$$(basename $$f); rm -rf $$corpus; mkdir -p $$corpus; \
	  cp tests/data/* $$corpus/ 2>/dev/null; \
	  echo "== $$f"; $$f -max_total_time=$(FUZZ_SECONDS) $$corpus > $$corpus.log 2>&1 \
	    || { cat $$corpus.log; exit 1; }; tail -n 1 $$corpus.log; \
	done

test: test-main test-san test-fuzz

# The programs, components and data under PREFIX (default /usr/local; DESTDIR=dir stages them).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/selvane_VERSION_ARCH.deb; install it with apt install ./FILE.deb.
package: build
	sh packaging/make-deb.sh $(BUILD) $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && echo "== $$b" && "$$b"; done

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
