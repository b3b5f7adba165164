# make run   - install what is missing, build, start Tonnelix in its data folder
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks
BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-charts-dev qt6-tools-dev \
            qt6-l10n-tools qt6-tools-dev-tools libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-dejavu-core xvfb xauth imagemagick poppler-utils

.PHONY: deps build run test bench clean

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

run: build
	@echo "The main window comes with the application shell; nothing to start yet."

clean:
	rm -rf $(BUILD)
