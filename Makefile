# The project's front door. See README.md.
BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: test play deps build build-asan test-asan

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

$(BUILD_ASAN)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DROZEVA_SANITIZE=ON

build-asan: deps $(BUILD_ASAN)/CMakeCache.txt
	cmake --build $(BUILD_ASAN) -j$(JOBS)

BUILD_WEB  ?= build-web

.PHONY: web

# The web player (emscripten) in $(BUILD_WEB)/player; rozeva-web BOOKDIR OUTDIR packs a book with it.
web: deps $(BUILD)/CMakeCache.txt
	scripts/build-web $(BUILD) $(BUILD_WEB) $(JOBS)

# The whole suite (the web player's in a browser too), then the same under AddressSanitizer and UBSan.
test: build build-asan web
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	ctest --test-dir $(BUILD_ASAN) --output-on-failure -j$(JOBS)

# The demo book in the player; without a display, its headless tour as PNG shots.
play: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target rozeva rozeva-demo rozeva-headless
	@scripts/play $(BUILD)

BUILD_RELEASE ?= build-release
BUILD_FUZZ    ?= build-fuzz

.PHONY: bench fuzz install package test-package

# Release build of the benchmarks; ends with one "RATIO <name> <value> goal <= <target>" line per goal.
bench: deps web
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RELEASE) -j$(JOBS) --target benchmarks
	scripts/run-bench $(BUILD_RELEASE)

# libFuzzer targets (clang), each run for FUZZ_SECONDS (default 60).
fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=Debug -DROZEVA_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD_FUZZ) -j$(JOBS)
	scripts/run-fuzz $(BUILD_FUZZ)

BUILD_CLANG ?= build-clang

.PHONY: build-release build-clang

# Everything (program, tests, benchmarks) as a Release build, as users and packagers build it.
build-release: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RELEASE) -j$(JOBS)

# The program alone, without tests, with clang.
build-clang: deps
	cmake -S . -B $(BUILD_CLANG) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD_CLANG) -j$(JOBS)

SOAK_FIRST  ?= 1
SOAK_SEEDS  ?= 6
SOAK_EVENTS ?= 10000

.PHONY: soak

# rozeva-headless of the sanitizer build played with SOAK_SEEDS seeded random scripts of
# SOAK_EVENTS events each, on the demo book and random books; a failing seed is written to
# $(BUILD_ASAN)/soak-failures as a book folder and the script that replays it.
soak: build-asan
	$(BUILD_ASAN)/soak/rozeva-soak $(BUILD_ASAN)/src/apps/rozeva-headless --first $(SOAK_FIRST) \
	  --seeds $(SOAK_SEEDS) --events $(SOAK_EVENTS) --failures $(BUILD_ASAN)/soak-failures

PREFIX ?= /usr/local
INSTALLED = rozeva rozeva-demo rozeva-check rozeva-proof rozeva-headless

# The Release executables, desktop entry, icon, man pages and README under PREFIX.
install: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RELEASE) -j$(JOBS) --target $(INSTALLED)
	cmake --install $(BUILD_RELEASE) --prefix $(PREFIX)

# The same as a Debian package, build-release/rozeva_<version>_<arch>.deb.
package: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RELEASE) -j$(JOBS) --target $(INSTALLED)
	cd $(BUILD_RELEASE) && cpack -G DEB

# The package installed with apt in a fresh Debian 12 chroot, every program run from it (root).
test-package: package
	scripts/test-package $(BUILD_RELEASE)
