# The two commands a new machine needs: `make demo` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 15
JOBS       ?= $(shell nproc)

.PHONY: all deps build demo test unit-unprivileged unit-asan fuzz bench screenshots clean format

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	@bash scripts/demo.sh $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory unit-unprivileged
	$(MAKE) --no-print-directory fuzz
	$(MAKE) --no-print-directory unit-asan

# The unit tests once more as an unprivileged user when run as root, so that the permission
# tests never skip.
unit-unprivileged: build
	@bash scripts/run-unprivileged.sh $(BUILD)

# The unit tests once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
unit-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLV7_WITH_QT=OFF -DPLV7_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Every fuzz target for a short, bounded time.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DPLV7_WITH_QT=OFF -DPLV7_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	@bash scripts/run-benchmarks.sh $(BUILD)

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
