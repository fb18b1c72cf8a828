# `make run` and `make test` do everything on a fresh Debian 12 machine.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps test-deps configure build run test test-asan tidy windows web release clean

all: build

# What building and running need; the test tools only for the targets that use them.
deps:
	@tools/install-deps run

test-deps:
	@tools/install-deps test

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) --parallel 2

run: build
	$(BUILD)/vorlank

# Everything, the Windows program under Wine and the page in Chromium included.
test: test-deps build windows web
	cd $(BUILD) && ctest --output-on-failure --parallel 2

# The whole suite under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
test-asan: test-deps
	cmake --preset asan
	cmake --build --preset asan --parallel 2
	ctest --preset asan

# clang-tidy over every source file of the release build.
tidy: test-deps build
	tools/run-clang-tidy $(BUILD)

# The Windows program, cross-built with mingw-w64: build-windows/Vorlank.exe, a development
# build (the download is the release's ZIP).
windows:
	@tools/install-deps windows
	cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=MinSizeRel \
		-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake \
		-DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON $(CMAKE_FLAGS)
	cmake --build build-windows --parallel 2

# The page, compiled to WebAssembly with Emscripten: build-web/index.html and what it loads.
# Emscripten's optimizer finds its JavaScript parser through NODE_PATH.
web: export NODE_PATH := /usr/share/nodejs
web:
	@tools/install-deps web
	emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel $(CMAKE_FLAGS)
	cmake --build build-web --parallel 2

# The downloads in dist/: the Windows ZIP, the .deb, the source tarball and SHA256SUMS, the same
# bytes from the same commit anywhere (SOURCE_DATE_EPOCH: the last commit's time unless set).
release:
	@tools/install-deps release
	tools/make-release

clean:
	rm -rf $(BUILD) build-asan build-windows build-web build-release build-release-windows \
		build-release-web dist
