# The two commands of the README (make run, make test) and their helpers. Each installs what is
# missing, configures and builds first; with nothing changed they do no work again.
BUILD := build
# Tests and benchmarks need a display; without one they get a virtual one, large enough for the
# views larger than 1440 x 900 that they draw. -noreset: by default the server resets whenever its
# last client leaves, and a test connecting during that reset would be refused.
XVFB := xvfb-run -a -s "-screen 0 2560x1600x24 -noreset"
ON_DISPLAY := $(if $(DISPLAY),,$(XVFB))

# make install honours PREFIX (and DESTDIR, for staging).
PREFIX ?= /usr/local

.PHONY: run test bench fps screenshot install package deps build clean

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display to open a window on; 'make screenshot' runs the program on a virtual display and saves screenshot.png" >&2; \
	    exit 1; \
	fi
	$(BUILD)/app/tetravolute

test: build
	$(ON_DISPLAY) ctest --test-dir $(BUILD) --output-on-failure -j2

bench: build
	$(XVFB) scripts/run-benchmarks $(BUILD)

fps: build
	scripts/measure-fps $(BUILD)/app/tetravolute

screenshot: build
	scripts/screenshot $(BUILD)/app/tetravolute screenshot.png

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in build/: sudo apt install ./build/tetravolute_*.deb
package: build
	cd $(BUILD) && cpack

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j2

clean:
	rm -rf $(BUILD)
