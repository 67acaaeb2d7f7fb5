# The two commands a new machine needs: `make demo` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
FUZZ_SECONDS ?= 15
JOBS       ?= $(shell nproc)

.PHONY: all deps build demo test unit-unprivileged unit-asan unit-tsan fuzz package package-check bench \
	screenshots clean format

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
	$(MAKE) --no-print-directory unit-tsan
	$(MAKE) --no-print-directory package-check

# The unit tests once more as an unprivileged user when run as root, so that the permission
# tests never skip.
unit-unprivileged: build
	@bash scripts/run-unprivileged.sh $(BUILD)

# The unit tests once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
unit-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLV7_WITH_QT=OFF -DPLV7_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The unit tests once more, under ThreadSanitizer: the direct window's acquisition thread and
# its hand-over run there with the rest of the Qt-free core.
unit-tsan: deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLV7_WITH_QT=OFF -DPLV7_TSAN=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS)
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
		ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS)

# Every fuzz target for a short, bounded time.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DPLV7_WITH_QT=OFF -DPLV7_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package, from an optimised build of the programs alone, where warnings do not fail.
package: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLV7_WERROR=OFF \
		-DPLV7_TESTS=OFF -DPLV7_BENCH=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	rm -f $(RELEASE_BUILD)/plv7steuerung_*.deb
	cd $(RELEASE_BUILD) && cpack -G DEB
	@ls -1 $(RELEASE_BUILD)/plv7steuerung_*.deb

# The package unpacked into a scratch root, and its programs started from there.
package-check: package
	@bash scripts/check-package.sh $(RELEASE_BUILD)

bench: build
	@bash scripts/run-benchmarks.sh $(BUILD)

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD)
