# make play   builds the game and starts it
# make test   installs what is missing, builds, and runs every test (also under ASan+UBSan)
# make bench  builds and runs the benchmarks
# make fuzz   runs each fuzz target for FUZZ_SECONDS (default 60; needs clang, skipped without)
# make soak   plays the real game under Xvfb with random input (SOAK_MINUTES, default 10)

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
CMAKE_FLAGS ?=
SOAK_MINUTES ?= 10
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build play test test-plain test-asan test-fuzz fuzz bench soak clean

all: build

deps:
	@scripts/deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBRELLIK_SANITIZE=ON \
	      -DBRELLIK_E2E=OFF $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

play: build
	cd $(BUILD)/game && ./brellik

test: deps test-plain test-asan test-fuzz

test-plain: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j$(JOBS)

# A short run of each fuzz target, as CI does.
test-fuzz:
	tests/fuzz/run.sh $(FUZZ_BUILD) 10

fuzz:
	tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	$(BUILD)/bench/benchmarks

soak: build
	cmake --build $(BUILD) --target xping xclose
	tests/soak/soak.sh $(BUILD)/game/brellik $(BUILD)/tests/xping $(BUILD)/tests/xclose \
	    $(BUILD)/soak $(SOAK_MINUTES)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
