# The two commands a newcomer needs: `make run` and `make test`.
# Both install any missing Debian package first, then configure and build.

PACKAGES := g++ cmake ninja-build pkg-config libsdl2-dev libpng-dev libstb-dev libcli11-dev \
            libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth \
            clang libclang-rt-14-dev \
            dpkg-dev file lintian desktop-file-utils appstream libx11-dev
# Only the browser build (make web) and its test (make test-web) need these.
WEB_PACKAGES := emscripten node-acorn
WEB_TEST_PACKAGES := chromium
# The Windows build and its tests only (make windows, make test-windows): the
# mingw-w64 compilers, what fetches Debian's SDL2, zlib and libpng sources,
# zip; then wine, and the X tools that look at its window.
WINDOWS_PACKAGES := gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
                    dpkg-dev debian-archive-keyring zip
WINDOWS_TEST_PACKAGES := wine wine64 x11-apps x11-utils python3 unzip
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
GAME_DIR := build/game
FLOORS_DIR := build/floors
WEB_DIR := build/web
WEB_TEST_DIR := build/web-test
ART_DIR := build/art

.PHONY: run test deps deps-web deps-web-test deps-windows deps-windows-test build build-asan build-fuzz fuzz \
        fuzz-seeds game-dir floors package art bench web test-web-setup test-web bench-web windows test-windows clean

# Installs whichever of the Debian packages $(1) are missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $(2) $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

deps-web: deps
	$(call install_missing,$(WEB_PACKAGES),--no-install-recommends)

# npm comes with Debian's npm package, unless a node.js of another origin
# already brought its own.
deps-web-test: deps-web
	$(call install_missing,$(WEB_TEST_PACKAGES) $(shell command -v npm >/dev/null || echo npm),--no-install-recommends)

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
FUZZERS := archive atlas wave world settings floor_source floor_link floor_dat headless_script sim_commands replay

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

# Every floor's map, the contact sheet of the set, the sheet of the tower's
# sections and the difficulty table, drawn with the game's own atlas, to look
# at; lint first, which also lists the landings floors share.
floors: game-dir
	build/release/quorrel-floors lint
	mkdir -p $(FLOORS_DIR)
	build/release/quorrel-floors render --data $(GAME_DIR)/data.dat --out $(FLOORS_DIR)
	build/release/quorrel-floors table --curve $(FLOORS_DIR)/curve.png > $(FLOORS_DIR)/difficulty.md.part
	mv $(FLOORS_DIR)/difficulty.md.part $(FLOORS_DIR)/difficulty.md

# The Debian package (build/release/package/quorrel_*.deb): the programs, the
# data, the desktop entry, icons, metainfo and manual pages, put together by CPack.
package: build
	cmake --build --preset release --target quorrel_package_files
	cd build/release && cpack --config CPackConfig.cmake

# A screenshot of every scene and a contact sheet of them, with each filter,
# plus the atlas preview, into build/art, to look the art over.
# ART_BEFORE=OTHER/data.dat adds the same for another build's art, to compare;
# ART_BEFORE_REF=COMMIT builds that commit's art and floors for it instead.
# With either, each scene's two shots also stand side by side in compare-*.
ART_BEFORE ?=
ART_BEFORE_REF ?=
art: game-dir
	mkdir -p $(ART_DIR)
	cp $(GAME_DIR)/atlas-preview.png $(ART_DIR)/atlas-preview.png
	sh tools/scripts/art-sheets.sh build/release $(GAME_DIR)/data.dat assets/floors $(ART_DIR) after
	if [ -n "$(ART_BEFORE_REF)" ]; then \
	  sh tools/scripts/art-before.sh $(ART_BEFORE_REF) build/art-before && \
	  sh tools/scripts/art-sheets.sh build/release build/art-before/data.dat build/art-before/floors $(ART_DIR) before; \
	elif [ -n "$(ART_BEFORE)" ]; then \
	  sh tools/scripts/art-sheets.sh build/release $(ART_BEFORE) assets/floors $(ART_DIR) before; fi
	if [ -n "$(ART_BEFORE_REF)$(ART_BEFORE)" ]; then sh tools/scripts/art-compare.sh build/release $(ART_DIR); fi

run: game-dir
	cd $(GAME_DIR) && ../release/quorrel

test: floors package build-asan build-fuzz
	ctest --preset release
	ctest --preset asan
	ctest --preset fuzz

# The benchmarks that open a real window run under a virtual X server when
# there is no display; the start-up and scene ones play the game folder.
bench: game-dir
	@for b in build/release/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; \
	  if [ -n "$$DISPLAY" ]; then "$$b"; else sh tests/with_xvfb.sh "$$b"; fi; \
	done
	@echo "== floors"; sh bench/floors.sh build/release/quorrel-floors

# The game for a web page in build/web, and its floor editor (editor.html):
# serve the folder with any static file server (node tests/web/serve.mjs
# build/web 8000) and open index.html.
# SDL2, zlib and libpng are built once from Debian's sources (build/web-deps).
web: deps-web game-dir
	sh tools/web/build-deps.sh build/web-deps
	cmake --preset web
	cmake --build --preset web -j2 --target quorrel quorrel-sim quorrel-editor
	mkdir -p $(WEB_DIR)
	cp build/web-cmake/quorrel.js build/web-cmake/quorrel.wasm tools/web/index.html tools/web/icon.svg \
	   build/web-cmake/quorrel-editor.js build/web-cmake/quorrel-editor.wasm \
	   tools/web/editor.html tools/web/editor.js tools/web/solve-worker.js \
	   $(GAME_DIR)/data.dat $(GAME_DIR)/floor.dat $(WEB_DIR)/

# The page and what drives it in build/web-test: playwright-core from npm.
test-web-setup: web deps-web-test
	mkdir -p $(WEB_TEST_DIR)
	cp tests/web/package.json tests/web/package-lock.json tests/web/*.mjs $(WEB_TEST_DIR)/
	cd $(WEB_TEST_DIR) && npm ci --no-audit --no-fund

# The page's world traced under node against the desktop's, then the pages
# (the game and its floor editor) in Debian's chromium, headless, driven by
# playwright-core; the screenshots are left in build/web-test.
test-web: test-web-setup
	sh tests/web/compare-sim.sh build/release/quorrel-sim build/web-cmake/quorrel-sim.js $(GAME_DIR)/floor.dat
	QUORREL_WEB_DIR=$(WEB_DIR) QUORREL_GAME_DIR=$(GAME_DIR) QUORREL_HEADLESS=build/release/quorrel-headless \
	  QUORREL_FLOORS=build/release/quorrel-floors QUORREL_SIM=build/release/quorrel-sim \
	  QUORREL_WEB_TEST_OUT=$(WEB_TEST_DIR) node --test $(WEB_TEST_DIR)/web.test.mjs $(WEB_TEST_DIR)/editor.test.mjs

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

# The editor page's load time and its Worker solver's worlds per second
# beside the native solver's, on a floor without creatures and (a shorter
# search) one with them (a benchmark: it asserts nothing).
bench-web: test-web-setup
	cp bench/web-editor.mjs $(WEB_TEST_DIR)/
	node $(WEB_TEST_DIR)/web-editor.mjs $(WEB_DIR) build/release/quorrel-floors assets/floors
	node $(WEB_TEST_DIR)/web-editor.mjs $(WEB_DIR) build/release/quorrel-floors assets/floors 30 1 200000

# The Windows programs under wine: the test program, the game on a virtual
# display, and the same traces and logs as the Linux build.
test-windows: windows deps-windows-test
	sh tests/windows/run.sh build/windows build/release $(GAME_DIR)

clean:
	rm -rf build
