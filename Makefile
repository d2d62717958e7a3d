# Set-up and everyday commands. `make run` opens the dictionary, `make test`
# runs every test; both install the missing Debian packages first.
BUILD ?= build
JOBS ?= $(shell nproc)

PACKAGES = cmake ninja-build g++ clang libclang-rt-14-dev pkg-config \
  qt6-base-dev qt6-webengine-dev libgl-dev \
  libsqlite3-dev libpugixml-dev libbz2-dev \
  libhunspell-dev hunspell-pt-br hunspell-pt-pt \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  xvfb xauth dict desktop-file-utils appstream

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench deb clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/minilexaria ]; then $(BUILD)/app/minilexaria; \
	else $(BUILD)/app/lexaria verbete casa; fi

# Our own builds stop at a warning; a user's `make run` or a package build does not.
test: configure
	cmake -S . -B $(BUILD) -DMINI_WERROR=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Medians of five runs; BENCH_ARGS adds options, e.g. --benchmark_filter=Pesquisa
bench: build
	$(BUILD)/bench/bench_engine --benchmark_repetitions=5 --benchmark_report_aggregates_only=true $(BENCH_ARGS)
	@if [ -x $(BUILD)/bench/janela/bench_janela ]; then $(BUILD)/bench/janela/bench_janela; fi
	@if [ -x $(BUILD)/bench/pagina/bench_pagina ]; then $(BUILD)/bench/pagina/bench_pagina; fi

# The Debian package of the installed programs (CPack), in $(BUILD)/pacote.
deb: build
	cd $(BUILD) && cpack -G DEB -B pacote

clean:
	rm -rf $(BUILD)
