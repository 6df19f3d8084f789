# Two entry points for a fresh Debian machine: `make run` and `make test`.
PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev googletest libgtest-dev \
            libbenchmark-dev fonts-liberation xvfb xauth poppler-utils \
            clang libclang-rt-dev qt6-translations-l10n
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
# `make run` opens a working start/stop circuit; RUN_ARGS= starts with an empty sheet.
RUN_ARGS ?= examples/self_holding.cad

.PHONY: run test deps build build-test bench fuzz clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

build: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELK_BUILD_TESTS=OFF -DVELK_BUILD_BENCH=OFF
	cmake --build build/release -j $(JOBS) --target velkarion

run: build
	./build/release/velkarion $(RUN_ARGS)

build-test: deps
	cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Sanitize -DVELK_BUILD_BENCH=OFF -DVELK_WERROR=ON
	cmake --build build/sanitize -j $(JOBS)

test: build-test
	cd build/sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The readers under libFuzzer, each for a bounded time over the seed corpus in
# fuzz/corpus; inputs the fuzzer finds stay in build/fuzz/corpus.
FUZZ_SECONDS ?= 25
FUZZ_TARGETS := sheet bmp config
fuzz: deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Sanitize -DCMAKE_CXX_COMPILER=clang++ \
	  -DVELK_BUILD_FUZZ=ON -DVELK_BUILD_TESTS=OFF -DVELK_BUILD_BENCH=OFF
	cmake --build build/fuzz -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$t && \
	  ./build/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=60 -rss_limit_mb=2048 \
	    -print_final_stats=1 build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELK_BUILD_TESTS=OFF
	cmake --build build/bench -j $(JOBS)

clean:
	rm -rf build
