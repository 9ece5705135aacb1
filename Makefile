# Dalvane: make run | make test | make web | make bench | make package | make screenshots
# Each target first installs what is missing (tools/install-packages), then builds under build/.
# On a machine without make, ./dev installs it and runs the same targets.

BUILD         := build
RELEASE_BUILD := build/release
BENCH_BUILD   := build/bench
INSTALL       := tools/install-packages

.PHONY: all run test web web-bench fuzz bench package screenshots clean

all: run

# The program as it ships: optimised, without sanitizers and without the tests.
$(RELEASE_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF

run:
	@$(INSTALL) run
	@$(MAKE) --no-print-directory $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD)
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    ./$(RELEASE_BUILD)/app/dalvane; \
	else \
	    echo "No display to open the Dalvane window on; here is today's roz instead:"; \
	    ./$(RELEASE_BUILD)/cli/dalvane-cli --today; \
	fi

# The test build is clang with AddressSanitizer and UndefinedBehaviorSanitizer, so every test
# runs under them and the date reading can be fuzzed with libFuzzer.
$(BUILD)/build.ninja: CMakeLists.txt
	CC=clang CXX=clang++ cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DDALVANE_SANITIZE=ON -DDALVANE_FUZZ=ON

test:
	@$(INSTALL) test
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure --timeout 600

# The page: the calendar in WebAssembly and the static folder around it, in build/web.
web:
	@$(INSTALL) web
	tools/build-web

# One calculation's core calls natively and in WebAssembly side by side under node, and the
# page's whole calculate() with its binding.
web-bench: web
	@$(INSTALL) run
	@$(MAKE) --no-print-directory $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) --target dalvane_calendar
	$(CXX) -std=c++20 -O2 -I. web/tests/speed.cpp $(RELEASE_BUILD)/calendar/libdalvane_calendar.a \
	    -lnova -o $(RELEASE_BUILD)/web-speed
	node web/tests/speed.mjs $(RELEASE_BUILD)/web-speed

# A long fuzz run (FUZZ_SECONDS, an hour by default) from the committed corpus; the inputs that
# reach code the corpus did not are merged into it, to be committed.
FUZZ_SECONDS ?= 3600
fuzz:
	@$(INSTALL) test
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	cmake --build $(BUILD) --target fuzz_calculation
	mkdir -p $(BUILD)/tests/fuzz/found
	cd $(BUILD)/tests/fuzz && ASAN_OPTIONS=detect_leaks=1 ./fuzz_calculation \
	    -max_total_time=$(FUZZ_SECONDS) -max_len=512 -timeout=30 -rss_limit_mb=4096 \
	    found $(CURDIR)/tests/fuzz/corpus
	cd $(BUILD)/tests/fuzz && ./fuzz_calculation -merge=1 -max_len=512 \
	    $(CURDIR)/tests/fuzz/corpus found

$(BENCH_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DDALVANE_BENCH=ON

bench:
	@$(INSTALL) bench
	@$(MAKE) --no-print-directory $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) --target dalvane_bench
	./$(BENCH_BUILD)/bench/dalvane_bench

# The package is packed from the release tree: the test tree is sanitized, and its programs
# would need the sanitizer run-times on every machine.
package:
	@$(INSTALL) package
	@$(MAKE) --no-print-directory $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD)
	cd $(RELEASE_BUILD) && cpack -G DEB
	cp $(RELEASE_BUILD)/dalvane_2.0.2_$$(dpkg --print-architecture).deb .
	@echo "Install it with: sudo apt-get install ./dalvane_2.0.2_$$(dpkg --print-architecture).deb"

# The windows at 96, scaled 120 and true 120 dpi, into shots/; dalvane-cli fills the Family
# Register they show. Then the page at a phone's and a desktop's width, into shots/web/.
screenshots:
	@$(INSTALL) screenshots
	@$(MAKE) --no-print-directory $(RELEASE_BUILD)/build.ninja
	cmake --build $(RELEASE_BUILD) --target dalvane dalvane-cli
	BUILD_DIR=$(RELEASE_BUILD) tools/screenshots.sh
	tools/build-web
	mkdir -p build/web-tests && cp web/package.json web/package-lock.json build/web-tests/
	cd build/web-tests && npm ci --ignore-scripts --no-audit --no-fund
	node web/tests/screenshots.mjs shots/web

clean:
	rm -rf $(BUILD)
