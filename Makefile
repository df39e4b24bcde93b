# make play   builds the game and starts it
# make test   installs what is missing, builds, and runs every test (also under ASan+UBSan,
#             once more all in one process, and the Debian package built, checked and tried)
# make bench  builds and runs the benchmarks
# make install [PREFIX=/usr/local] [DESTDIR=]  installs the game; make uninstall removes it
# make package builds the Debian package from the working tree: build/package/brellik_*.deb
# make fuzz   runs each fuzz target for FUZZ_SECONDS (default 60; needs clang, skipped without)
# make soak   plays the real game under Xvfb with random input (SOAK_MINUTES, default 10)
# make bench-phones  from a phone's buzz to the game's claim, p50/p99 (PHONE_CLAIMS, default 1000)
# make bench-crowd   16 and 60 phones opening the page at once, p50/p99 (PHONE_CROWD_ROUNDS, 5)
# make soak-phones   16 phones and 200 hostile connections (PHONE_SOAK_MINUTES, default 10)
# make bench-class   60 phones play ten class-game questions: results p50/p99, frames, CPU, memory

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= 2
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
SOAK_MINUTES ?= 10
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
PHONE_CLAIMS ?= 1000
PHONE_SOAK_MINUTES ?= 10
PHONE_CROWD_ROUNDS ?= 5

.PHONY: all deps build play test test-plain test-whole test-asan test-fuzz test-package fuzz \
        bench soak bench-phones bench-crowd bench-class soak-phones \
        install uninstall package clean

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

test: deps test-plain test-asan test-fuzz test-package

test-plain: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-whole

# ctest runs each test in its own process; here they share one, so a test that leans on
# state another left behind fails.
test-whole: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target brellik_tests
	cd $(BUILD) && BRELLIK_HOME=$(CURDIR)/$(BUILD)/test-home tests/brellik_tests --gtest_brief=1

test-asan: $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j$(JOBS)

# A short run of each fuzz target, as CI does.
test-fuzz:
	tests/fuzz/run.sh $(FUZZ_BUILD) 10

# Builds the Debian package from the last commit, checks it with lintian, installs it with
# dpkg, starts it under Xvfb and removes it (needs root or sudo).
test-package: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target xclose
	JOBS=$(JOBS) tests/packaging/debian_package.sh $(CURDIR) $(BUILD)/tests/xclose \
	    $(BUILD)/package-test

fuzz:
	tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	$(BUILD)/bench/benchmarks

# Every phone run talks to loopback only.
bench-phones: build
	cmake --build $(BUILD) -j$(JOBS) --target phone_game_host
	/usr/bin/python3 bench/phone_claim_bench.py $(BUILD)/tests/phone_game_host $(BUILD)/game \
	    $(BUILD)/phone-bench-home $(PHONE_CLAIMS)

# Phones from 127.0.0.10 on, the stranger from 127.0.0.2: loopback only.
bench-crowd: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target phone_host
	/usr/bin/python3 bench/phone_crowd_bench.py $(BUILD)/tests/phone_host $(BUILD)/game/web \
	    $(PHONE_CROWD_ROUNDS)
	/usr/bin/python3 bench/phone_crowd_bench.py $(BUILD)/tests/phone_host $(BUILD)/game/web \
	    $(PHONE_CROWD_ROUNDS) --stranger

# Phones from 127.0.0.10 on: loopback only.
bench-class: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS) --target class_game_host
	rm -rf $(BUILD)/class-bench-home
	/usr/bin/python3 bench/class_bench.py $(BUILD)/tests/class_game_host $(BUILD)/game \
	    $(BUILD)/class-bench-home

soak-phones: build
	cmake --build $(BUILD) -j$(JOBS) --target phone_game_host
	/usr/bin/python3 tests/soak/phone_soak.py $(BUILD)/tests/phone_game_host $(BUILD)/game \
	    $(BUILD)/phone-soak-home $(PHONE_SOAK_MINUTES)

# DESTDIR, when given, is put in front of every installed path (for staging and packaging).
# The files go to build/installed_files.txt (CMake's install manifest with DESTDIR in front),
# which make uninstall reads.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt >$(BUILD)/installed_files.txt

uninstall:
	scripts/uninstall $(BUILD)/installed_files.txt

package: deps
	JOBS=$(JOBS) scripts/build_package $(BUILD)/package

soak: build
	cmake --build $(BUILD) --target xping xclose
	tests/soak/soak.sh $(BUILD)/game/brellik $(BUILD)/tests/xping $(BUILD)/tests/xclose \
	    $(BUILD)/soak $(SOAK_MINUTES)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
