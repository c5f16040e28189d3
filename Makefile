# Wraps CMake's presets (CMakePresets.json), so that these targets and an IDE build
# alike. Each target first installs what it, and only it, needs (scripts/install-deps).
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Empty: the preset's (RelWithDebInfo). Given, it is applied to the tree each time.
BUILD_TYPE ?=
PREFIX ?= /usr/local
# The program the Windows packages carry; another .exe can stand in for it.
WINDOWS_EXE ?= build-windows/zorvan-calculator.exe

# Installs a purpose's packages, configures a preset's tree (again, so that nothing
# given here is ignored by an existing tree) and builds it.
define setup
	@scripts/install-deps $(1)
	cmake --preset $(2) $(if $(BUILD_TYPE),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE))
	cmake --build --preset $(2) --parallel $(JOBS)
endef

.PHONY: all build run test bench install package check-package test-sanitize windows test-windows bench-windows package-windows check-package-windows clean

all: build

build:
	$(call setup,run,linux)

run: build
	@scripts/run build/zorvan-calculator

# Both programs' tests: Linux's, then Windows' under Wine.
test:
	$(call setup,test,linux-test)
	ctest --preset linux-test --parallel $(JOBS)
	$(MAKE) --no-print-directory test-windows

bench:
	$(call setup,bench,linux-bench)
	@status=0; scripts/bench build || status=1; \
		$(MAKE) --no-print-directory bench-windows || status=1; exit $$status

# The Windows program's handlers, under Wine, against the same baseline as Linux's.
bench-windows: windows
	@echo; echo "== The window's handlers, Windows"
	@scripts/wine --prefix build-windows/wineprefix build-windows/bench/win32/bench_handlers_win32.exe; \
		status=$$?; scripts/wine --prefix build-windows/wineprefix wineserver -k 2>/dev/null; exit $$status

# Honours DESTDIR for staged installs: make install PREFIX=/usr DESTDIR=/tmp/stage
# The Debian package's own files (its changelog, lintian's notes) stay out.
install: build
	DESTDIR=$(DESTDIR) cmake --install build --prefix $(PREFIX) --component Unspecified

package:
	$(call setup,package,linux)
	rm -f build/*.deb
	cd build && cpack -G DEB
	@ls build/*.deb

# Debian's package checker, at its strictest, must find nothing to report.
check-package: package
	@scripts/install-deps check-package
	lintian --pedantic --display-info --fail-on error,warning,info,pedantic build/*.deb

# A separate tree with AddressSanitizer and UndefinedBehaviorSanitizer: every test,
# then the program itself driven through a short session (scripts/drive-window).
test-sanitize:
	$(call setup,test-sanitize,sanitize)
	ctest --preset sanitize --parallel $(JOBS)

windows:
	$(call setup,windows,windows)

# Wine's server and services are ended whatever the tests' outcome.
test-windows:
	$(call setup,test-windows,windows-test)
	ctest --preset windows-test --parallel $(JOBS); \
		status=$$?; scripts/wine --prefix build-windows/wineprefix wineserver -k 2>/dev/null; exit $$status

# The installer (NSIS) and the portable zip, both into build-windows.
package-windows: windows
	@scripts/install-deps package-windows
	packaging/windows/make-packages $(WINDOWS_EXE) build-windows

# Installs, runs and uninstalls them under Wine, in a prefix of the check's own.
check-package-windows: package-windows
	@scripts/install-deps check-package-windows
	packaging/windows/check-install $(WINDOWS_EXE) build-windows

clean:
	rm -rf build build-sanitize build-windows
