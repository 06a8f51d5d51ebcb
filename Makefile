# make test: install missing packages, configure, build, run every test.
# make run:  the same set-up, then start the program.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build test run bench format clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure

run: build
	$(BUILD)/quorvia

bench: build
	$(BUILD)/bench/quorvia_bench

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
