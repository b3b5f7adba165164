# make run   - install what is missing, build, start Tonnelix in its data folder
#              (created on first run with the shipped reference files)
# make test  - install what is missing, build, run every test
# make translations - bring the English catalogue up to date with the sources (lupdate, keeping
#                     every finished translation) and compile the language modules (lrelease)
# make bench - build and run the benchmarks
# make deb   - build the Debian package
# make test-package - install the package by apt into a minimal Debian 12 root, start it there
#                     under Xvfb as an ordinary user, remove it (root, network; see README)
# make test-reproducible - build the package twice from scratch and compare the two files
# make fuzz  - fuzz every file format for FUZZ_SECONDS each (needs clang)
# make test-asan - every test built with AddressSanitizer, UndefinedBehaviorSanitizer and the leak
#                  check (the window tests offscreen)
BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-tools-dev \
            qt6-l10n-tools qt6-tools-dev-tools libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-dejavu-core xvfb xauth imagemagick poppler-utils xdotool \
            qt6-translations-l10n openbox dpkg-dev fakeroot lintian appstream desktop-file-utils \
            clang libclang-rt-14-dev

# Only make test-package needs these; make test does without them.
PACKAGE_TEST_PACKAGES := mmdebstrap xvfb xauth xdotool imagemagick appstream desktop-file-utils

.PHONY: deps build run test bench deb clean fuzz test-asan test-package test-reproducible translations

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@if command -v clang++ >/dev/null; then $(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10; \
	else echo "clang++ is missing: the fuzz targets were not run"; fi

# Paths are absolute: the targets work in a data directory of their own.
# Each target grows its own working corpus in build-fuzz from the seeds of tests/fuzz/corpus;
# an input that breaks a target is kept in build-fuzz/crashes, to be added to the seeds.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@[ -f $(FUZZ_BUILD)/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONNELIX_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/crashes $(FUZZ_BUILD)/logs
	@for t in $(FUZZ_BUILD)/fuzz_*; do \
	  [ -x "$$t" ] || continue; name=$${t##*/fuzz_}; mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "fuzz_$$name: $(FUZZ_SECONDS) s"; \
	  $$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	    -artifact_prefix=$(abspath $(FUZZ_BUILD))/crashes/$$name- \
	    $(abspath $(FUZZ_BUILD))/corpus/$$name $(CURDIR)/tests/fuzz/corpus/$$name 2>$(FUZZ_BUILD)/logs/$$name.log || \
	    { tail -n 40 $(FUZZ_BUILD)/logs/$$name.log; exit 1; }; \
	  grep -E '^stat::number_of_executed_units' $(FUZZ_BUILD)/logs/$$name.log; \
	done

ASAN_BUILD ?= build-asan
test-asan: deps
	@[ -f $(ASAN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(ASAN_BUILD) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONNELIX_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

translations: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target translations

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

# The program runs from an installation in the build folder through the launcher that the package
# installs, so that both start it in the same way: the launcher seeds the data folder with the
# shipped files of the start language and starts Tonnelix there.
run: build
	@cmake --install $(BUILD) --prefix "$(CURDIR)/$(BUILD)/stage" >/dev/null
	exec "$(CURDIR)/$(BUILD)/stage/bin/tonnelix"

# The Debian package, $(BUILD)/tonnelix_<version>_<arch>.deb, alone there. Only what it holds is
# built; its time stamps are those of the last commit (see packaging/CPackProject.cmake).
PACKAGE_TARGETS := tonnelix tonnelix_modules tonnelix_help tonnelix_desktop_files
deb: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target $(PACKAGE_TARGETS)
	rm -f $(BUILD)/tonnelix_*.deb
	cd $(BUILD) && cpack -G DEB

# The package installed, started and removed in a minimal Debian 12 root that is kept, with apt's
# downloads, in $(BUILD)/test-package (see tools/test-package.sh).
test-package: deb
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_TEST_PACKAGES)"
	$(SUDO) tools/test-package.sh $(BUILD)/tonnelix_*.deb $(BUILD)/test-package

# Two packages built from scratch in one more build folder, the second without the compiler
# cache, must be one file.
test-reproducible: deps
	tools/test-reproducible.sh $(BUILD)/reproducible "$(PACKAGE_TARGETS)"

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(ASAN_BUILD)
