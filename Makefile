# Thin wrapper over CMake: `make run`, `make check`, `make bench`, `make package`,
# `make web`, `make web-serve`.
# `make run` installs and builds only what the program needs; the others
# build everything (tests and benchmarks too) in the same tree.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps deps-program configure build run check check-asan check-fuzz bench package web web-serve clean

deps:
	scripts/install-deps.sh

deps-program:
	scripts/install-deps.sh --program

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DMOLVIX_BUILD_TESTS=ON -DMOLVIX_BUILD_BENCH=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# A tree configured before keeps its tests and benchmarks (only the program
# is built now); a new one leaves them out until `make check` asks for them.
run: deps-program
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		$(if $(wildcard $(BUILD)/CMakeCache.txt),,-DMOLVIX_BUILD_TESTS=OFF -DMOLVIX_BUILD_BENCH=OFF) \
		$(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS) --target molvix
	scripts/run-app.sh $(BUILD)/src/app/molvix

# The whole suite on the normal build, then again under the sanitizers,
# then the bounded fuzz runs.
check: build
	scripts/run-tests.sh $(BUILD)
	$(MAKE) check-asan
	$(MAKE) check-fuzz

# AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer; -O1
# keeps both the build and the million-tick soak quick.
check-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
		-DMOLVIX_SANITIZE=ON -DMOLVIX_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	scripts/run-tests.sh $(ASAN_BUILD)

# libFuzzer targets, built by clang (CMake leaves them out when clang has
# no libFuzzer); each runs for a bounded time as a test.
check-fuzz: deps
	@if ! command -v clang++ >/dev/null 2>&1; then \
		echo "No clang++: the fuzz runs are skipped"; exit 0; fi; \
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
		"-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" -DMOLVIX_FUZZ=ON -DMOLVIX_BUILD_TESTS=OFF \
		-DMOLVIX_BUILD_BENCH=OFF $(CMAKE_FLAGS) && \
	cmake --build $(FUZZ_BUILD) -j$(JOBS) && \
	scripts/run-tests.sh $(FUZZ_BUILD)

# The web page, built into one folder ($(BUILD)/web) that any static server
# serves; web-serve serves it on 127.0.0.1.
web: configure
	cmake --build $(BUILD) -j$(JOBS) --target molvix_web

web-serve: web
	node web/serve.mjs $(BUILD)/web $${PORT:-8080}

bench: build
	scripts/run-bench.sh $(BUILD)

# The Debian packages molvix and molvix-lab, in $(BUILD)/: listed, then
# validated and checked.
package: build
	rm -f $(BUILD)/molvix_*.deb $(BUILD)/molvix-lab_*.deb
	cmake --build $(BUILD) --target package
	for deb in $(BUILD)/molvix_*.deb $(BUILD)/molvix-lab_*.deb; do \
		echo "$$deb:"; dpkg-deb -c "$$deb" || exit 1; done
	cd $(BUILD) && ctest -L packaging --output-on-failure

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
