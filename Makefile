# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test test-windows bench deb format clean

all: build

deps:
	@scripts/install-deps

configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds just the program (not the tests and benchmarks) and starts it; it needs a
# graphical session.
run: deps configure
	@cmake --build $(BUILD) -j $(JOBS) --target nimbrel
	$(BUILD)/bin/nimbrel

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Windows backends, cross-built with mingw-w64 and tested under Wine.
test-windows:
	@scripts/install-deps windows
	scripts/test-windows $(BUILD)-windows

bench: deps build
	@for b in $(BUILD)/bench/bin/*; do echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# A Debian package of the installed layout, in $(BUILD)/.
deb: deps configure
	@cmake --build $(BUILD) -j $(JOBS) --target nimbrel
	cd $(BUILD) && cpack -G DEB

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
