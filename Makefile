# Two builds from one source tree: the host build (tests under ASan and UBSan)
# and the Windows build (mingw-w64, tests under Wine).
NATIVE := build/native
WIN64  := build/win64
FUZZ   := build/fuzz
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
JOBS   ?= $(shell nproc)
# The Windows suites mostly wait on paced serial lines and on Wine, each in a prefix, on a
# display and on ports of its own: twice as many run at once as there are cores.
WINE_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))
MAKEFLAGS += --no-print-directory
# Every stage of this make run is timed into STAGES under the run's id; make test prints them.
STAGES := build/stage-times
RUN_ID := $(shell date +%s%N)
STAGE  := sh tools/stage-time.sh $(STAGES) $(RUN_ID)

.PHONY: all deps configure build test run bench dist clean fuzz fuzz-build campaign soak

all: build

deps:
	@$(STAGE) installs sh tools/install-deps.sh

$(NATIVE)/CMakeCache.txt: | deps
	@$(STAGE) configure-native cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug

$(WIN64)/CMakeCache.txt: | deps
	@$(STAGE) configure-win64 \
	  cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

# The fuzz targets: clang with libFuzzer, ASan and UBSan, in a build of their own (make fuzz
# only: make test replays the seed corpora in the host build).
$(FUZZ)/CMakeCache.txt:
	@sh tools/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVRA_FUZZ=ON

configure: $(NATIVE)/CMakeCache.txt $(WIN64)/CMakeCache.txt

fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

build: configure
	@$(STAGE) build-native cmake --build $(NATIVE) -j $(JOBS)
	@$(STAGE) build-win64 cmake --build $(WIN64) -j $(JOBS)

# Every suite always runs; the exit status tells whether any failed. Ends with the time of
# each stage of this run.
test: build
	@native=0; win=0; \
	echo "=== native tests (ASan, UBSan; the fuzz seed corpora replayed)"; \
	$(STAGE) tests-native sh -c 'cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)' || native=1; \
	echo "=== win64 tests (Wine)"; \
	$(STAGE) tests-win64 sh -c 'cd $(WIN64) && ctest --output-on-failure -j $(WINE_JOBS)' || win=1; \
	sh tools/stage-time.sh --report $(STAGES) $(RUN_ID); \
	test $$native = 0 && test $$win = 0

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
