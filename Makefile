# `make run` and `make test` do everything on a fresh Debian 12 machine.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-asan tidy clean

all: build

deps:
	@tools/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) --parallel 2

run: build
	$(BUILD)/src/vorlank

test: build
	cd $(BUILD) && ctest --output-on-failure --parallel 2

# The whole suite under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan --parallel 2
	ctest --preset asan

# clang-tidy over every source file of the release build.
tidy: build
	tools/run-clang-tidy $(BUILD)

clean:
	rm -rf $(BUILD) build-asan
