# Two builds from one source tree: the host build (tests under ASan and UBSan)
# and the Windows build (mingw-w64, tests under Wine).
NATIVE := build/native
WIN64  := build/win64
JOBS   ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@sh tools/install-deps.sh

$(NATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug

$(WIN64)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

configure: $(NATIVE)/CMakeCache.txt $(WIN64)/CMakeCache.txt

build: configure
	cmake --build $(NATIVE) -j $(JOBS)
	cmake --build $(WIN64) -j $(JOBS)

# Both suites always run; the exit status tells whether either failed.
test: build
	@native=0; win=0; \
	echo "=== native tests (ASan, UBSan)"; \
	(cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)) || native=1; \
	echo "=== win64 tests (Wine)"; \
	(cd $(WIN64) && ctest --output-on-failure -j $(JOBS)) || win=1; \
	test $$native = 0 && test $$win = 0

run: build
	@sh tools/run-demo.sh

# Not part of test: takes some minutes and wants a quiet machine. The simulator and the scanner
# benchmark come from an optimised host build without sanitizers; the Windows programs are the
# shipped (release) ones.
BENCH := build/bench
$(BENCH)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DKIVRA_SANITIZE=OFF

bench: $(BENCH)/CMakeCache.txt $(WIN64)/CMakeCache.txt
	cmake --build $(BENCH) -j $(JOBS) --target kivra-sim kivra-scanner-bench
	cmake --build $(WIN64) -j $(JOBS) --target kivra-cli kivra-window-bench
	@if cmake --build $(WIN64) --target help | grep -qx '\.\.\. kivra'; then \
	  cmake --build $(WIN64) -j $(JOBS) --target kivra; fi
	@sh tools/bench/bench.sh

clean:
	rm -rf build
