# The commands of the README. Each installs what it needs first and is quick when nothing changed.
#   make run       builds the program alone and starts it
#   make test      builds the program and every test, and runs the tests headless
#   make package   builds the Debian package taktzeit_<version>_<arch>.deb here
#   make bench     the benchmarks (BENCHMARKS.md)
#   make windows   cross-compiles the Windows program build-windows/taktzeit.exe with MinGW-w64, and the
#                  32-bit one build-windows-i686/taktzeit.exe
#   make web       compiles the web page build-web/taktzeit.html with emscripten
# make test also builds the Windows program and tests it under Wine, and the web page and tests it in headless
# Chromium; WINDOWS=0 and WEB=0 leave those parts out.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)
WINDOWS ?= 1
WEB ?= 1
WEB_BUILD ?= build-web
WINDOWS_BUILD ?= build-windows
WINDOWS_BUILD_32 ?= build-windows-i686

# Every date in what the builds write is the last commit's, so the same commit gives the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: run test package bench windows web configure clean

run: configure
	cmake --build $(BUILD) -j$(JOBS) --target taktzeit
	./$(BUILD)/taktzeit

test: DEPENDENCIES = test
test: configure
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
ifneq ($(WINDOWS),0)
	$(MAKE) windows
	cd $(WINDOWS_BUILD) && ctest --output-on-failure
endif
ifneq ($(WEB),0)
	$(MAKE) web
	cd $(WEB_BUILD) && ctest --output-on-failure
endif

# Static, stripped, imports only Windows' own DLLs. The 32-bit program is built and checked, not run: no 32-bit
# Wine can be had here.
windows:
	@scripts/install-dependencies windows
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
		$(WINDOWS_CMAKE_ARGS) >/dev/null
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)
	cmake -S . -B $(WINDOWS_BUILD_32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
		-DTAKTZEIT_TESTS=OFF $(WINDOWS_CMAKE_ARGS) >/dev/null
	cmake --build $(WINDOWS_BUILD_32) -j$(JOBS)
	@tests/windows/check_program.sh $(WINDOWS_BUILD)/taktzeit.exe pei-x86-64 windows
	@tests/windows/check_program.sh $(WINDOWS_BUILD)/taktzeit.com pei-x86-64 console
	@tests/windows/check_program.sh $(WINDOWS_BUILD_32)/taktzeit.exe pei-i386 windows
	@tests/windows/check_program.sh $(WINDOWS_BUILD_32)/taktzeit.com pei-i386 console
	@echo "SHA-256:"; sha256sum $(WINDOWS_BUILD)/taktzeit.exe $(WINDOWS_BUILD)/taktzeit.com $(WINDOWS_BUILD)/taktzeit-*.zip \
		$(WINDOWS_BUILD)/taktzeit-*.msi $(WINDOWS_BUILD_32)/taktzeit.exe $(WINDOWS_BUILD_32)/taktzeit.com \
		$(WINDOWS_BUILD_32)/taktzeit-*.zip

# One page that holds everything. Debian's emscripten finds Debian's acorn only through NODE_PATH.
web:
	@scripts/install-dependencies web
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release $(WEB_CMAKE_ARGS) >/dev/null
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j$(JOBS)
	@echo "taktzeit.html: $$(stat -c %s $(WEB_BUILD)/taktzeit.html) bytes, $$(gzip -9n -c $(WEB_BUILD)/taktzeit.html | wc -c) compressed"
	@echo "SHA-256:"; sha256sum $(WEB_BUILD)/taktzeit.html

# A Release build of its own, with Debian's hardening flags and without the tests.
package:
	@scripts/install-dependencies package
	DEB_BUILD_MAINT_OPTIONS=hardening=+all; export DEB_BUILD_MAINT_OPTIONS; \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTAKTZEIT_TESTS=OFF $(CMAKE_ARGS) >/dev/null
	cmake --build build-package -j$(JOBS)
	cd build-package && cpack -B "$(CURDIR)/build-package/cpack" >/dev/null
	cp build-package/cpack/taktzeit_*.deb .
	@echo "SHA-256:"; sha256sum taktzeit_*.deb

bench:
	bench/run.sh

configure:
	@scripts/install-dependencies $(DEPENDENCIES)
	cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

clean:
	rm -rf $(BUILD) build-package $(WINDOWS_BUILD) $(WINDOWS_BUILD_32) $(WEB_BUILD) taktzeit_*.deb
