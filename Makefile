# Wraps CMake: `make run` and `make test` set up everything they need.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX ?= /usr/local
SANITIZE_DIR ?= build-sanitize
# The Windows build: cross-compiled with mingw-w64, its tests run under Wine in a
# prefix inside this tree (scripts/wine). WINDOWS_SOURCE lets a scratch project try it.
WINDOWS_DIR ?= build-windows
WINDOWS_SOURCE ?= .
WINDOWS_WINE = scripts/wine --prefix $(WINDOWS_DIR)/wineprefix
# The program the Windows packages carry; another .exe can stand in for it.
WINDOWS_EXE ?= $(WINDOWS_DIR)/zorvan-calculator.exe

.PHONY: all build deps configure run test bench bench-windows install package check-package test-sanitize windows test-windows package-windows check-package-windows clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@scripts/run $(BUILD_DIR)/zorvan-calculator

# Both programs' tests: Linux's, then Windows' under Wine.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)
	$(MAKE) --no-print-directory test-windows

bench: build
	@status=0; scripts/bench $(BUILD_DIR) || status=1; \
		$(MAKE) --no-print-directory bench-windows || status=1; exit $$status

# The Windows program's handlers, under Wine, against the same baseline as Linux's.
bench-windows: windows
	@echo; echo "== The window's handlers, Windows"
	@$(WINDOWS_WINE) $(WINDOWS_DIR)/bench/win32/bench_handlers_win32.exe; \
		status=$$?; $(WINDOWS_WINE) wineserver -k 2>/dev/null; exit $$status

# Honours DESTDIR for staged installs: make install PREFIX=/usr DESTDIR=/tmp/stage
# The Debian package's own files (its changelog, lintian's notes) stay out.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX) --component Unspecified

package: build
	rm -f $(BUILD_DIR)/*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	@ls $(BUILD_DIR)/*.deb

# Debian's package checker, at its strictest, must find nothing to report.
check-package: package
	lintian --pedantic --display-info --fail-on error,warning,info,pedantic $(BUILD_DIR)/*.deb

# A separate tree with AddressSanitizer and UndefinedBehaviorSanitizer: every test,
# then the program itself on a private X server, driven through a short session.
SANITIZER_OPTIONS = \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$(CURDIR)/tests/sanitizer-address.supp \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-leaks.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVAN_SANITIZE=ON \
		-DZORVAN_HARDENING=OFF -DZORVAN_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	$(SANITIZER_OPTIONS) ctest --test-dir $(SANITIZE_DIR) --output-on-failure --parallel $(JOBS)
	$(SANITIZER_OPTIONS) scripts/drive-window $(SANITIZE_DIR)/zorvan-calculator

windows: deps
	cmake -S $(WINDOWS_SOURCE) -B $(WINDOWS_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS)

# Wine's server and services are ended whatever the tests' outcome.
test-windows: windows
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure --parallel $(JOBS); \
		status=$$?; $(WINDOWS_WINE) wineserver -k 2>/dev/null; exit $$status

# The installer (NSIS) and the portable zip, both into $(WINDOWS_DIR).
package-windows: windows
	packaging/windows/make-packages $(WINDOWS_EXE) $(WINDOWS_DIR)

# Installs, runs and uninstalls them under Wine, in a prefix of the check's own.
check-package-windows: package-windows
	packaging/windows/check-install $(WINDOWS_EXE) $(WINDOWS_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(WINDOWS_DIR)
