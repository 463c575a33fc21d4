# Two builds from one source tree: the host build (tests under ASan and UBSan)
# and the Windows build (mingw-w64, tests under Wine).
NATIVE := build/native
WIN64  := build/win64
FUZZ   := build/fuzz
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
JOBS   ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build test run bench dist clean fuzz fuzz-build campaign soak

all: build

deps:
	@sh tools/install-deps.sh

$(NATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug

$(WIN64)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

# The fuzz targets: clang with libFuzzer, ASan and UBSan, in a build of their own.
$(FUZZ)/CMakeCache.txt: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVRA_FUZZ=ON

configure: $(NATIVE)/CMakeCache.txt $(WIN64)/CMakeCache.txt $(FUZZ)/CMakeCache.txt

fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

build: configure
	cmake --build $(NATIVE) -j $(JOBS)
	cmake --build $(WIN64) -j $(JOBS)
	cmake --build $(FUZZ) -j $(JOBS)

# Every suite always runs; the exit status tells whether any failed.
test: build
	@native=0; win=0; fuzz=0; \
	echo "=== native tests (ASan, UBSan)"; \
	(cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)) || native=1; \
	echo "=== win64 tests (Wine)"; \
	(cd $(WIN64) && ctest --output-on-failure -j $(JOBS)) || win=1; \
	echo "=== fuzz seed corpora replayed (libFuzzer, ASan, UBSan)"; \
	(cd $(FUZZ) && ctest --output-on-failure -j $(JOBS)) || fuzz=1; \
	test $$native = 0 && test $$win = 0 && test $$fuzz = 0

# Every fuzz target for FUZZ_SECONDS (60 by default), then a summary line.
fuzz: fuzz-build
	@sh tests/fuzz/run-fuzz.sh $(FUZZ) $(FUZZ_SECONDS)

# kivra-cli against the simulator under faults: firmware updates and settings writes.
campaign: build
	@sh tests/ui/cli-campaign.sh --cli $(WIN64)/ui/cli/kivra-cli.exe --sim $(NATIVE)/tools/kivra-sim/kivra-sim \
	  --wine cmake/wine-run.sh --work $(WIN64)/campaign

# kivra-cli and kivra.exe, side by side, polling fast against the simulator for SOAK_MINUTES
# (30 by default); each suite ends with its summary line.
soak: build
	@cli=0; window=0; \
	sh tests/ui/cli-soak.sh --cli $(WIN64)/ui/cli/kivra-cli.exe --sim $(NATIVE)/tools/kivra-sim/kivra-sim \
	  --wine cmake/wine-run.sh --work $(WIN64)/soak >$(WIN64)/soak-cli.txt 2>&1 & pid=$$!; \
	bash tests/main/window-soak.sh --driver $(WIN64)/tools/ui-driver/kivra-ui-driver.exe \
	  --program $(WIN64)/ui/main/kivra.exe --sim $(NATIVE)/tools/kivra-sim/kivra-sim \
	  --wine cmake/wine-run.sh --work $(WIN64)/window-soak || window=1; \
	wait $$pid || cli=1; \
	cat $(WIN64)/soak-cli.txt; \
	test $$cli = 0 && test $$window = 0

run: build
	@sh tools/run-demo.sh

# The release packages for Windows users (build/kivra-<version>-win64.zip and .msi): the two
# programs of the Windows (release) build, the diagnostic log's registry file and the read-me.
dist: $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j $(JOBS) --target kivra kivra-cli
	@sh tools/dist/make-dist.sh build $(WIN64)/ui/main/kivra.exe $(WIN64)/ui/cli/kivra-cli.exe

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
