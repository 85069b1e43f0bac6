# The front door: `make run` starts the program, `make test` runs every test.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The web page: the core in WebAssembly (Debian's emscripten) and the site in $(WEB_BUILD)/site.
WEB_BUILD ?= build-web
# The core and its tests again, under the address and undefined-behaviour sanitizers.
ASAN_BUILD ?= build-asan
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: all deps web-deps build program asan web run test fuzz bench package clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

# Only what `make run` starts, not the tests and fuzz programs: the desktop program, or the
# replay driver that stands in for it in a build without the window.
program: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target $$(grep -q '^LIFTCALC_BUILD_UI:BOOL=OFF' \
		$(BUILD)/CMakeCache.txt && echo liftcalc-replay || echo liftcalc)

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DLIFTCALC_BUILD_UI=OFF -DCMAKE_CXX_FLAGS="$(SANITIZE)"

asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD)

# -O2 for the calculators and Calculate's way; web/CMakeLists.txt builds the rest of the module
# for size. The browser test compares the page with the native replay driver.
web-deps:
	@tools/install-deps.sh --web

$(WEB_BUILD)/build.ninja: | web-deps
	emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
		-DLIFTCALC_REPLAY_COMMAND=$(abspath $(BUILD))/replay/liftcalc-replay

web: web-deps $(WEB_BUILD)/build.ninja
	cmake --build $(WEB_BUILD)

run: program
	@tools/run.sh $(BUILD)

test: build asan web
	ctest --test-dir $(BUILD) --output-on-failure
	ctest --test-dir $(ASAN_BUILD) --output-on-failure
	ctest --test-dir $(WEB_BUILD) --output-on-failure

# Each fuzz target for FUZZ_SECONDS (default 60); see tools/run-fuzz.sh.
fuzz:
	@tools/run-fuzz.sh

bench:
	@tools/run-bench.sh

# A Debian package of the program, its desktop entry, icon and manual page, in $(BUILD)/package.
package: build
	cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WEB_BUILD) build-fuzz build-bench
