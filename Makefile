# make test: install missing packages, configure, build, run every test (the fuzz targets
#            over their corpora included).
# make run:  the same set-up, then start the program.
# make fuzz: builds the fuzz targets (clang) and fuzzes each for FUZZ_SECONDS.
# make test-sanitize: every test in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
# make package: the Debian package quorvia_<version>_amd64.deb in $(BUILD).
# make check-package (as root): builds the package, installs it, runs it as a new user, purges it.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
FUZZ_BUILD ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 60
# Empty: every fuzz run explores afresh; a number repeats a run input for input.
FUZZ_SEED ?=

.PHONY: all deps configure build test run bench format clean fuzz-build fuzz sanitize-build \
	test-sanitize package check-package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

test: build fuzz-build
	ctest --test-dir $(BUILD) --output-on-failure
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure

$(FUZZ_BUILD)/build.ninja: CMakeLists.txt
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DQUORVIA_FUZZ=ON

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD)

fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_SEED)

$(SANITIZE_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUORVIA_SANITIZE=ON

sanitize-build: deps $(SANITIZE_BUILD)/build.ninja
	cmake --build $(SANITIZE_BUILD)

# Widget tests run offscreen as in the main build. Leak checking stays on; the few leaks of
# system libraries are named in scripts/lsan.supp.
test-sanitize: sanitize-build
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure

package: build
	cmake --build $(BUILD) --target package

check-package: build
	tests/install/check-package.sh $(BUILD)

run: build
	$(BUILD)/quorvia

bench: build
	$(BUILD)/bench/quorvia_bench

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
