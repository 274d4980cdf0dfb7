# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test test-windows test-asan fuzz bench deb format translations clean

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

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder:
# -O1 and line tables only (half the compile time of -O2 -g, with file and line in every
# report), and without the benchmarks.
ASAN_BUILD ?= build-asan
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
		-DNIMBREL_SANITIZE=ON -DNIMBREL_BENCHMARKS=OFF $(SANITIZE_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (clang), each run FUZZ_SECONDS on a copy of its corpus in tests/fuzz/corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIMBREL_FUZZ=ON \
		-DBUILD_TESTING=ON $(SANITIZE_FLAGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@for f in $(FUZZ_BUILD)/fuzz/*; do \
		name=$$(basename $$f); work=$(FUZZ_BUILD)/corpus/$$name; mkdir -p $$work; \
		cp -n tests/fuzz/corpus/$$name/* $$work/ 2>/dev/null || true; \
		echo "== fuzz_$$name for $(FUZZ_SECONDS) s"; \
		QT_QPA_PLATFORM=offscreen $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/crash-$$name- $$work || exit 1; \
	done

bench: deps build
	@for b in $(BUILD)/bench/bin/*; do echo "== $$(basename $$b)"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# A Debian package of the installed layout, in $(BUILD)/.
deb: deps configure
	@cmake --build $(BUILD) -j $(JOBS) --target nimbrel
	cd $(BUILD) && cpack -G DEB

# Brings translations/*.ts up to date with the texts in the sources (lupdate); then
# translate what is new or changed, e.g. in Qt Linguist.
translations: deps configure
	@cmake --build $(BUILD) --target update_translations

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
