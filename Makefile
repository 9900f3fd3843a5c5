# make run   installs what is missing, builds and starts Lanthorn
# make test  installs what is missing, builds and runs every test (the full build, the core
#            build without windows, and a short run of each fuzz target)

BUILD      ?= build
CORE_BUILD ?= build-core
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD ?= build-bench
FUZZ_SECONDS ?= 5
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run build test test-full test-core test-fuzz bench format clean

run: build
	$(BUILD)/bin/lanthorn $(ARGS)

build:
	scripts/install-deps.sh
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target lanthorn

test: test-full test-core test-fuzz

test-full:
	scripts/install-deps.sh --tests
	cmake -S . -B $(BUILD) -G Ninja -DLANTHORN_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure

test-core:
	scripts/install-deps.sh --tests
	cmake -S . -B $(CORE_BUILD) -G Ninja -DLANTHORN_UI=OFF -DLANTHORN_BENCH=OFF -DLANTHORN_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(CORE_BUILD) -j $(JOBS)
	cd $(CORE_BUILD) && ctest -j $(JOBS) --output-on-failure

test-fuzz:
	scripts/install-deps.sh --tests
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DLANTHORN_UI=OFF -DLANTHORN_TESTS=OFF -DLANTHORN_BENCH=OFF \
	  -DLANTHORN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzzers.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)

bench:
	scripts/install-deps.sh
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLANTHORN_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	for b in $(BENCH_BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(CORE_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
