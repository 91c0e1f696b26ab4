# The README's commands. Each installs what is missing (Debian packages only)
# and builds what it needs. Everything goes to one build folder, BUILD (make
# BUILD=DIR test), which the scripts take from BUILD_DIR; its path may hold
# blanks, so the shell resolves it and recipes quote it.
BUILD := build
export BUILD_DIR := $(shell realpath -m -- '$(BUILD)')
NATIVE := $(BUILD_DIR)/native
WINDOWS := $(BUILD_DIR)/windows
FUZZ := $(BUILD_DIR)/fuzz
MINGW := --preset mingw
# Given to the program as typed, split at blanks only: make run ARGS="/4F''"
export ARGS ?=
FUZZ_SECONDS ?= 60

# $(call tree,DIR,CMAKE_OPTIONS[,TARGET]): configures DIR, then builds all of
# it or only TARGET.
tree = cmake --no-warn-unused-cli -S . -B '$(1)' -G Ninja $(2) >/dev/null && cmake --build '$(1)' $(if $(3),--target $(3))

.PHONY: all deps build build-native build-windows build-fuzz run test bench fuzz dist format clean
all: build

deps:
	@scripts/deps.sh

build: build-native build-windows build-fuzz
build-native: deps
	@$(call tree,$(NATIVE),-DCMAKE_BUILD_TYPE=Debug)
build-windows: deps
	@$(call tree,$(WINDOWS),$(MINGW))
build-fuzz: deps
	@CXX=clang++ $(call tree,$(FUZZ),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DILVORANDE_UNIT=OFF)

run: deps
	@$(call tree,$(WINDOWS),$(MINGW),Ilvorande)
	@set -f && scripts/run.sh $$ARGS

test: build
	@scripts/test.sh

bench: build-windows
	@scripts/with-test-env.sh bench/run.sh

# New inputs and crashes go to the build folder; the committed seeds stay as
# they are.
fuzz: build-fuzz
	@mkdir -p '$(FUZZ)/corpus'
	@'$(FUZZ)/fuzz.sh' -max_total_time=$(FUZZ_SECONDS) '-artifact_prefix=$(FUZZ)/' \
		'$(FUZZ)/corpus' tests/fuzz/corpus

# The release (archive, package, winget manifests, digests) in $(BUILD)/dist;
# needs only the Windows program. SIGNING_PFX and SIGNING_PASSWORD sign it.
dist: deps
	@scripts/dist.sh

format:
	@scripts/deps.sh format
	@clang-format -i $$(git ls-files '*.h' '*.cpp')

# Never a folder that is or holds this checkout (BUILD=. or .., or /).
clean:
	@case "$$(realpath .)/" in "$${BUILD_DIR%/}/"*) \
		echo "make clean: $$BUILD_DIR is or holds this checkout; not deleting it" >&2; exit 1;; \
	esac
	rm -rf -- "$$BUILD_DIR"
