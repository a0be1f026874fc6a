# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12
# machine: they install whatever Debian package is missing first.

# The one list of Debian packages the project needs to build, test and run.
PAQUETS := cmake make g++ clang qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
           libbenchmark-dev fonts-liberation

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CONFIG := cmake -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo
CONFIG_SANITISE := cmake -S . -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON \
                   -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"

.PHONY: all deps build build-asan run test test-asan bench fuzz clean

all: build

deps:
	@manquants=""; \
	for p in $(PAQUETS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || manquants="$$manquants $$p"; \
	done; \
	if [ -n "$$manquants" ]; then \
	  echo "Installation des paquets manquants :$$manquants"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq $$manquants; \
	fi

build: deps
	$(CONFIG) -B build
	cmake --build build -j $(JOBS)

build-asan: deps
	$(CONFIG_SANITISE) -DTARVO_BENCH=OFF -B build-asan
	cmake --build build-asan -j $(JOBS)

run: build
	./scripts/lance.sh build/tarvo

test: build build-asan
	ctest --test-dir build --output-on-failure -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

bench: build
	@for b in build/bench/bench_*; do echo "== $$b"; $$b; done

# Coverage-guided fuzzing of the document reader with libFuzzer (clang), for longer runs
# than the deterministic mutation run of `make test`.
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARVO_FUZZ=ON -DTARVO_BENCH=OFF \
	      -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_lecteur
	mkdir -p build-fuzz/corpus && cp examples/*.bdc build-fuzz/corpus/
	build-fuzz/tests/document/fuzz_lecteur -max_total_time=60 build-fuzz/corpus

clean:
	rm -rf build build-asan build-fuzz
