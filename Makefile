# Dalvane: make run | make test | make bench
# Each target first installs what a fresh Debian or Ubuntu machine is missing, then builds in build/.

BUILD       := build
BENCH_BUILD := build/bench
PACKAGE_BUILD := build/package
SUDO        := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Build and run: compilers, CMake, Qt 6, the sanitizer and fuzzer run-times.
PACKAGES := cmake ninja-build g++ clang libclang-rt-dev qt6-base-dev qt6-svg-dev libgl-dev \
            libqt6svg6 qt6-qpa-plugins fonts-liberation fonts-dejavu-core
# Tests: the headless display, screenshots, the launcher and metainfo validators, the
# Windows cross compiler and the accessibility bus.
TEST_PACKAGES := xvfb xauth imagemagick desktop-file-utils appstream mingw-w64 \
                 at-spi2-core python3-pyatspi dbus-x11 dpkg-dev file
BENCH_PACKAGES := libbenchmark-dev
# Screenshots: a virtual display, a small window manager, the keyboard driver and ImageMagick.
SHOT_PACKAGES := xvfb xauth imagemagick xdotool openbox
# The Debian package: dpkg-shlibdeps finds the run-time libraries it depends on.
PACKAGE_PACKAGES := dpkg-dev

.PHONY: all deps test-deps bench-deps configure build run test bench package screenshots clean

all: build

deps:
	@./tools/install-packages "$(SUDO)" $(PACKAGES)

test-deps: deps
	@./tools/install-packages "$(SUDO)" $(TEST_PACKAGES)

bench-deps: deps
	@./tools/install-packages "$(SUDO)" $(BENCH_PACKAGES)

# The everyday build is clang with AddressSanitizer and UndefinedBehaviorSanitizer, so every
# test runs under them and the date parse can be fuzzed with libFuzzer.
$(BUILD)/build.ninja: CMakeLists.txt
	CC=clang CXX=clang++ cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DDALVANE_SANITIZE=ON -DDALVANE_FUZZ=ON

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    ASAN_OPTIONS=detect_leaks=0 ./$(BUILD)/app/dalvane; \
	else \
	    echo "No display to open the Dalvane window on; here is today's roz instead:"; \
	    ./$(BUILD)/cli/dalvane-cli --today; \
	fi

test: test-deps configure
	cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure --timeout 600

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DDALVANE_BENCH=ON
	cmake --build $(BENCH_BUILD) --target dalvane_bench
	./$(BENCH_BUILD)/bench/dalvane_bench

# The package to ship is built from a release tree of its own: the everyday tree is sanitized,
# and its programs would need the sanitizer run-times on every machine.
package: deps
	@./tools/install-packages "$(SUDO)" $(PACKAGE_PACKAGES)
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DDALVANE_SANITIZE=OFF -DDALVANE_FUZZ=OFF
	cmake --build $(PACKAGE_BUILD)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	cp $(PACKAGE_BUILD)/dalvane_2.0.2_$$(dpkg --print-architecture).deb .
	@echo "Install it with: sudo apt-get install ./dalvane_2.0.2_$$(dpkg --print-architecture).deb"

# The main window, Help and About at 96 and 120 dpi, into shots/.
screenshots: deps configure
	@./tools/install-packages "$(SUDO)" $(SHOT_PACKAGES)
	cmake --build $(BUILD) --target dalvane
	ASAN_OPTIONS=detect_leaks=0 BUILD_DIR=$(BUILD) tools/screenshots.sh

clean:
	rm -rf $(BUILD)
