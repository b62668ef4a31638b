# The two commands a newcomer needs: `make run` and `make test`.
# Both install any missing Debian package first, then configure and build.

PACKAGES := g++ cmake ninja-build pkg-config libsdl2-dev libpng-dev libstb-dev fonts-dejavu-core \
            libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
GAME_DIR := build/game
FLOORS_DIR := build/floors

.PHONY: run test deps build build-asan game-dir floors bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

build: deps
	cmake --preset release
	cmake --build --preset release

build-asan: deps
	cmake --preset asan
	cmake --build --preset asan

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

test: floors build-asan
	ctest --preset release
	ctest --preset asan

# The frame-pacing benchmark opens a real window: without a display it runs
# under a virtual X server.
bench: build
	@for b in build/release/bench/bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; \
	  if [ -n "$$DISPLAY" ]; then "$$b"; else xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$$b"; fi; \
	done
	@echo "== floors"; sh bench/floors.sh build/release/quorrel-floors

clean:
	rm -rf build
