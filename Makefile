# make run   - install what is missing, build, start Tonnelix in its data folder
#              (created on first run with the shipped reference files)
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks
# make fuzz  - fuzz every file format for FUZZ_SECONDS each (needs clang)
# make test-asan - every test built with AddressSanitizer and UndefinedBehaviorSanitizer
BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-charts-dev qt6-tools-dev \
            qt6-l10n-tools qt6-tools-dev-tools libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-dejavu-core xvfb xauth imagemagick poppler-utils xdotool \
            qt6-translations-l10n openbox clang libclang-rt-14-dev
DATA_DIR   ?= $(HOME)/.local/share/Tonnelix
CONFIG_DIR ?= $(or $(XDG_CONFIG_HOME),$(HOME)/.config)

.PHONY: deps build run test bench clean fuzz test-asan

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
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

# The reference files to copy are those of the language the program will start in: the one
# of the settings file, else the system language as the program reads it (LC_ALL, LC_MESSAGES,
# LANG, then LANGUAGE). Both appellation bases are copied, since each language keeps its own.
# A file already in the data folder is never replaced.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Tonnelix needs a graphical display and none is set (DISPLAY is empty): start it from a desktop session, or try 'xvfb-run make run'."; \
	  exit 1; \
	fi
	@mkdir -p "$(DATA_DIR)"
	@lang=""; ini="$(CONFIG_DIR)/Tonnelix.ini"; \
	if [ -f "$$ini" ]; then \
	  value=$$(awk -F= '/^[[]/ { section = $$0 } \
	    section == "[Options]" { key = $$1; gsub(/[ \t]/, "", key); \
	      if (key == "Language") { sub(/^[^=]*=[ \t]*/, ""); print; exit } }' "$$ini"); \
	  if [ -n "$$value" ]; then case "$$value" in English*) lang=en ;; *) lang=fr ;; esac; fi; \
	fi; \
	if [ -z "$$lang" ]; then \
	  locale="$${LC_ALL:-$${LC_MESSAGES:-$$LANG}}"; \
	  case "$$locale" in \
	    ""|C|C.*|POSIX) lang=en ;; \
	    *) [ -n "$${LANGUAGE%%:*}" ] && locale="$${LANGUAGE%%:*}"; \
	       case "$$locale" in fr*) lang=fr ;; *) lang=en ;; esac ;; \
	  esac; \
	fi; \
	copy() { if [ -f "$$1" ] && [ ! -e "$(DATA_DIR)/$$(basename "$$1")" ]; then \
	  cp "$$1" "$(DATA_DIR)/" && echo "Copied $$(basename "$$1") into $(DATA_DIR)"; fi; }; \
	for f in data/$$lang/*; do copy "$$f"; done; \
	copy data/fr/Vins.dat; copy data/en/Wines.dat
	cd "$(DATA_DIR)" && exec "$(CURDIR)/$(BUILD)/tonnelix"

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(ASAN_BUILD)
