# The two commands: `make run` and `make test`. Both install what is missing first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

# Everything the build, the program and the tests need, as Debian 12 packages.
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libxcb1-dev zlib1g-dev \
            libgtest-dev libgmock-dev libbenchmark-dev xvfb openbox xdotool \
            desktop-file-utils appstream dpkg-dev file strace

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build run test test-asan bench package clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/valvetrain

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --no-tests=error -j $(JOBS)

# The whole suite again, built with AddressSanitizer (LeakSanitizer on) and
# UndefinedBehaviorSanitizer; any report fails the run.
ASAN_DIR := build-asan
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALVETRAIN_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/sanitizers/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure --no-tests=error -j $(JOBS)

# Benchmarks, then start-up and memory against the floor program under Xvfb; see BENCHMARKS.md.
bench: build
	$(BUILD_DIR)/bin/valvetrain-bench --startup-runs=10 --json=$(BUILD_DIR)/bench.json

# A Debian package in build/package/.
package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
