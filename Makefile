# Thin wrapper over CMake: `make run`, `make check`, `make bench`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run check check-asan bench clean

deps:
	scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	scripts/run-app.sh $(BUILD)/src/app/molvix

check: build
	scripts/run-tests.sh $(BUILD)

check-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMOLVIX_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	scripts/run-tests.sh $(ASAN_BUILD)

bench: build
	scripts/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
