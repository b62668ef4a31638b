# The two commands a newcomer needs: `make run` and `make test`.
# Both install any missing Debian package first, then configure and build.

PACKAGES := g++ cmake ninja-build pkg-config libsdl2-dev libpng-dev libstb-dev fonts-dejavu-core \
            libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth \
            clang libclang-rt-14-dev
# The Windows build and its tests only (make windows, make test-windows): the
# mingw-w64 compilers, what fetches Debian's SDL2, zlib and libpng sources,
# zip; then wine, and the X tools that look at its window.
WINDOWS_PACKAGES := gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
                    dpkg-dev debian-archive-keyring zip
WINDOWS_TEST_PACKAGES := wine wine64 x11-apps x11-utils python3 unzip
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
GAME_DIR := build/game
FLOORS_DIR := build/floors

.PHONY: run test deps deps-windows deps-windows-test build build-asan build-fuzz fuzz fuzz-seeds game-dir floors \
        bench windows test-windows clean

# Installs every package of the list given that is not installed yet.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

deps-windows: deps
	$(call install_missing,$(WINDOWS_PACKAGES))

deps-windows-test: deps-windows
	$(call install_missing,$(WINDOWS_TEST_PACKAGES))

build: deps
	cmake --preset release
	cmake --build --preset release

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan

# The libFuzzer harnesses, built by clang in their own folder (build/fuzz).
build-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j2

FUZZ_SECONDS ?= 60
FUZZERS := archive atlas wave world settings floor_source floor_dat headless_script sim_commands

# Each harness for FUZZ_SECONDS; what it finds is left in build/fuzz/artifacts.
fuzz: build-fuzz
	@failed=""; for f in $(FUZZERS); do \
	  echo "== fuzz $$f ($(FUZZ_SECONDS) s)"; \
	  sh fuzz/run.sh fuzz build/fuzz/fuzz/fuzz_$$f $$f fuzz build/fuzz/fuzz $(FUZZ_SECONDS) || failed="$$failed $$f"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzzing found faults in:$$failed (see build/fuzz/fuzz/artifacts)"; exit 1; fi

# Remakes the committed seed corpus from the project's own writers.
fuzz-seeds: build-fuzz
	build/fuzz/fuzz/quorrel-fuzz-seeds fuzz/corpus

# The game's working folder with its data.dat and floor.dat (from assets/floors).
game-dir: build
	mkdir -p $(GAME_DIR)
	build/release/quorrel-assets --out $(GAME_DIR)
	build/release/quorrel-floors compile --out $(GAME_DIR)/floor.dat

# Every floor's map, the contact sheet of the set and the difficulty table,
# drawn with the game's own atlas, to look at.
floors: game-dir
	mkdir -p $(FLOORS_DIR)
	build/release/quorrel-floors render --data $(GAME_DIR)/data.dat --out $(FLOORS_DIR)
	build/release/quorrel-floors table > $(FLOORS_DIR)/difficulty.md.part
	mv $(FLOORS_DIR)/difficulty.md.part $(FLOORS_DIR)/difficulty.md

run: game-dir
	cd $(GAME_DIR) && ../release/quorrel

test: floors build-asan build-fuzz
	ctest --preset release
	ctest --preset asan
	ctest --preset fuzz

# The frame-pacing benchmark opens a real window: without a display it runs
# under a virtual X server.
bench: build
	@for b in build/release/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; \
	  if [ -n "$$DISPLAY" ]; then "$$b"; else sh tests/with_xvfb.sh "$$b"; fi; \
	done
	@echo "== floors"; sh bench/floors.sh build/release/quorrel-floors

# The game and its tools for 64-bit Windows, and the zip players unpack:
# SDL2, zlib and libpng are built from Debian's sources once (kept in
# build/windows), the icon is painted by the Linux quorrel-assets.
windows: deps-windows game-dir
	sh tools/windows/build-deps.sh build/windows build/windows/deps
	build/release/quorrel-assets --icon build/windows/quorrel.ico
	cmake --preset windows
	cmake --build --preset windows
	sh tools/windows/package.sh build/windows/quorrel $(GAME_DIR) build/windows/deps/bin/SDL2.dll \
	  build/windows/quorrel-windows.zip

# The Windows programs under wine: the test program, the game on a virtual
# display, and the same traces and logs as the Linux build.
test-windows: windows deps-windows-test
	sh tests/windows/run.sh build/windows build/release $(GAME_DIR)

clean:
	rm -rf build
