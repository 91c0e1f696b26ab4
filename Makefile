# The two commands of the README: `make run` and `make test`. Both install
# what is missing (Debian packages only), build, and set up their own display.
BUILD := build
NATIVE := $(BUILD)/native
WINDOWS := $(BUILD)/windows
FUZZ := $(BUILD)/fuzz
ARGS ?=

.PHONY: all deps build run test bench dist format clean
all: build

deps:
	@scripts/deps.sh

build: deps
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE)
	@cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS)
	@CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DILVORANDE_UNIT=OFF >/dev/null
	@cmake --build $(FUZZ)

run: build
	@scripts/run.sh $(ARGS)

test: build
	@scripts/test.sh

bench: build
	@scripts/with-test-env.sh bench/run.sh

# The release archive and its digests in $(BUILD)/dist; needs only the Windows program.
dist: deps
	@BUILD_DIR=$(BUILD) scripts/dist.sh

format:
	@clang-format -i $$(git ls-files '*.h' '*.cpp')

clean:
	rm -rf $(BUILD)
