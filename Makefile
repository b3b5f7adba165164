# make run   - install what is missing, build, start Tonnelix in its data folder
#              (created on first run with the shipped reference files)
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks
# make deb   - build the Debian package
BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-charts-dev qt6-tools-dev \
            qt6-l10n-tools qt6-tools-dev-tools libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-dejavu-core xvfb xauth imagemagick poppler-utils xdotool \
            qt6-translations-l10n openbox dpkg-dev fakeroot lintian appstream desktop-file-utils

.PHONY: deps build run test bench deb clean

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

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

# The program runs from an installation in the build folder through the launcher that the package
# installs, so that both start it in the same way: the launcher seeds the data folder with the
# shipped files of the start language and starts Tonnelix there.
run: build
	@cmake --install $(BUILD) --prefix "$(CURDIR)/$(BUILD)/stage" >/dev/null
	exec "$(CURDIR)/$(BUILD)/stage/bin/tonnelix"

# The Debian package, $(BUILD)/tonnelix_<version>_<arch>.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
