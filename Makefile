# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12
# machine: they install whatever Debian package is missing first.

# The one list of Debian packages the project needs to build, test and run.
# dpkg-dev makes the Debian package; the desktop's own tools check the installed tree.
# emscripten builds the web page, fontconfig finds the desktop's fonts for it, and chromium
# with its driver and Selenium run the page in its tests.
PAQUETS := cmake make g++ clang qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
           libbenchmark-dev fonts-liberation dpkg-dev desktop-file-utils appstream \
           shared-mime-info libxml2-utils qt6-tools-dev qt6-l10n-tools \
           emscripten fontconfig python3 chromium chromium-driver python3-selenium \
           poppler-utils python3-numpy

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CONFIG := cmake -S . -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_WERROR=ON
CONFIG_SANITISE := cmake -S . -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON -DTARVO_WERROR=ON \
                   -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"

.PHONY: all deps build build-asan run test test-asan bench images fuzz paquet web web-serve clean

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

test: build build-asan web
	ctest --test-dir build --output-on-failure -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	/usr/bin/python3 tests/web/test_web.py build build-web/site

# Every benchmark in one run: the Google Benchmark programs, then the whole-process start-up
# and memory figures.
bench: build
	@for b in build/bench/bench_*; do \
	  [ "$$b" = build/bench/bench_lancement ] && continue; echo "== $$b"; $$b; done
	@echo "== bench/processus.sh"; ./bench/processus.sh build
	@if [ -d build-web/site ]; then echo "== bench/web/bench_web.py"; \
	  /usr/bin/python3 bench/web/bench_web.py build build-web/site; fi

# The README's pictures of every page, drawn by the program itself from the examples.
images: build
	./scripts/images.sh build/tarvo doc/images

# Longer runs than `make test` gives them: a minute of coverage-guided fuzzing of the document
# reader with libFuzzer (clang), then a long random session on the real window under ASan and
# UBSan, with a new seed each time (printed, to replay it: TARVO_ALEATOIRE_GRAINE=...).
GRAINE ?= $(shell date +%s)
EVENEMENTS ?= 100000
fuzz: build-asan
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARVO_FUZZ=ON -DTARVO_BENCH=OFF \
	      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_WERROR=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_lecteur
	mkdir -p build-fuzz/corpus && cp examples/*.bdc build-fuzz/corpus/
	build-fuzz/tests/document/fuzz_lecteur -max_total_time=60 build-fuzz/corpus
	cd build-asan/tests/app/qt && QT_QPA_PLATFORM=offscreen LC_ALL=fr_FR.UTF-8 \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  TARVO_ALEATOIRE_GRAINE=$(GRAINE) TARVO_ALEATOIRE_EVENEMENTS=$(EVENEMENTS) ./tests_aleatoire

# The Debian package, built as a packager would: Release, under /usr, warnings left as
# warnings, without the tests.
paquet: deps
	cmake -S . -B build-paquet -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	      -DBUILD_TESTING=OFF
	cmake --build build-paquet -j $(JOBS)
	cd build-paquet && cpack -G DEB
	@ls build-paquet/tarvo_*.deb

# The program in a web page: the Qt-free core and the web shell built into WebAssembly by
# Debian's emscripten, then the site laid out in build-web/site with the desktop's own
# pictures (drawn by the desktop build), fonts, help and catalogue. Emscripten needs Debian's
# acorn, which only Debian's node finds by itself.
NODE_WEB := NODE_PATH=/usr/share/nodejs
web: deps build
	$(NODE_WEB) emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release
	$(NODE_WEB) cmake --build build-web -j $(JOBS)
	./tools/web/assemble.sh build/tools/web/tarvo_images_web build-web

# The site served to this machine alone, for a browser here.
PORT_WEB ?= 8080
web-serve: web
	@echo "Tarvo dans le navigateur : http://127.0.0.1:$(PORT_WEB)/"
	/usr/bin/python3 -m http.server $(PORT_WEB) --bind 127.0.0.1 --directory build-web/site

clean:
	rm -rf build build-asan build-fuzz build-paquet build-web
