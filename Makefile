# The two commands of the README (make run, make test) and their helpers. Each installs what is
# missing, configures and builds first; with nothing changed they do no work again.
BUILD := build
# Tests and benchmarks run on a virtual display of their own, large enough for the views larger
# than 1440 x 900 that they draw; never on the user's desktop, whose windows and focus they would
# fight. -noreset: by default the server resets whenever its last client leaves, and a test
# connecting during that reset would be refused.
XVFB := xvfb-run -a -s "-screen 0 2560x1600x24 -noreset"

# make install honours PREFIX (and DESTDIR, for staging).
PREFIX ?= /usr/local

.PHONY: run test asan bench fps screenshot install uninstall package deps deps-program program build clean

run: program
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display to open a window on; 'make screenshot' runs the program on a virtual display and saves screenshot.png" >&2; \
	    exit 1; \
	fi
	$(BUILD)/app/tetravolute

test: build
	$(XVFB) ctest --test-dir $(BUILD) --output-on-failure -j2

# The suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/: any
# error report fails the test that caused it. Leaks are not reported: Mesa and Qt keep their
# caches to the end of the process.
ASAN_BUILD := build-asan
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD) -j2
	ASAN_OPTIONS=detect_leaks=0 $(XVFB) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2

bench: build
	$(XVFB) scripts/run-benchmarks $(BUILD)

# make fps STATE=unseen: the program's CPU in each state in which nobody sees the figure (minimised,
# covered, another workspace, under each screen saver), beside the seen state, on openbox.
fps: deps program
ifeq ($(STATE),unseen)
	tests/support/desktop-display scripts/measure-unseen $(BUILD)/app/tetravolute
else
	scripts/measure-fps $(BUILD)/app/tetravolute
endif

screenshot: deps program
	scripts/screenshot $(BUILD)/app/tetravolute screenshot.png

# Stripped, as the package is.
install: program
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

# Takes back exactly what the last install put there (CMake's manifest of it), and the folders
# that it left empty, up to the prefix.
uninstall:
	scripts/uninstall $(BUILD)/install_manifest.txt "$(DESTDIR)$(PREFIX)"

# A Debian package in build/, built in Release in build-release/ (stripped, hardened):
# sudo apt install ./build/tetravolute_*.deb
# Without the tests and benchmarks, which CPack would otherwise build again before it installs.
RELEASE_BUILD := build-release
package: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(RELEASE_BUILD) -j2
	cpack --config $(RELEASE_BUILD)/CPackConfig.cmake -B $(BUILD)

deps:
	@scripts/install-deps

# What building and running the program needs; the tests need more.
deps-program:
	@scripts/install-deps program

$(BUILD)/CMakeCache.txt: | deps-program
	cmake -S . -B $(BUILD)

# The program and what an install takes besides it: all that make run and make install need.
program: deps-program $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j2 --target tetravolute compressed_docs

# Everything: the program, the tests and the benchmarks.
build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j2

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD)
