# The commands of the README. Each installs what it needs first and is quick when nothing changed.
#   make run       builds the program alone and starts it
#   make test      builds the program and every test, and runs the tests headless
#   make package   builds the Debian package taktzeit_<version>_<arch>.deb here
#   make bench     the benchmarks (BENCHMARKS.md)
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test package bench configure clean

run: configure
	cmake --build $(BUILD) -j$(JOBS) --target taktzeit
	./$(BUILD)/taktzeit

test: DEPENDENCIES = test
test: configure
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

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
	@ls taktzeit_*.deb

bench:
	bench/run.sh

configure:
	@scripts/install-dependencies $(DEPENDENCIES)
	cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

clean:
	rm -rf $(BUILD) build-package taktzeit_*.deb
