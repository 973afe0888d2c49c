# Set-up, build and test entry points. Every target installs the Debian
# packages it needs first, so a fresh Debian 12 machine needs nothing else.

# The build folders and how each is configured are the presets of
# CMakePresets.json: default (make run, make test), asan, fuzz and bench.
preset_folder = $(shell cmake -D PRESET=$(1) -P tools/preset_folder.cmake)
BUILD       = $(call preset_folder,default)
BUILD_ASAN  = $(call preset_folder,asan)
BUILD_FUZZ  = $(call preset_folder,fuzz)
BUILD_BENCH = $(call preset_folder,bench)
BUILD_WINDOWS = $(call preset_folder,windows)
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)

# qt6-wayland: the tests start the program on Wayland with no compositor.
# poppler-utils: the tests read the report's PDF back as text.
# libxlsxwriter-dev: the workbook export (pkg-config xlsxwriter).
# libminizip-dev: unzip, which reads every written workbook back (pkg-config minizip).
# qt6-tools-dev, qt6-l10n-tools: find_package(Qt6 LinguistTools), lupdate and
# lrelease. qt6-translations-l10n: Qt's own catalogues (qtbase_de.qm, ...).
# fonts-wqy-microhei, fonts-lohit-deva: Chinese characters and Devanagari
# digits, which the bundled font lacks (Qt falls back to them).
# clang-format: make format-check, the house style of .clang-format.
# libboost-math-dev: Boost.Math's chi-square quantiles and Boost.Random's draws
# (header-only; the Windows build uses the same headers).
PACKAGES := cmake make g++ pkg-config ccache \
            qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libxlsxwriter-dev libminizip-dev libboost-math-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei fonts-lohit-deva \
            qt6-wayland xvfb xauth poppler-utils clang-format
# Only for make test, and only if it can be had: the spreadsheet that
# computes the exported workbook's formulas. Without it those checks skip;
# once it is installed, VELMOR_REQUIRE_SPREADSHEET=1 makes a missing
# spreadsheet fail them instead (set it yourself to require it anyway).
TEST_PACKAGES := libreoffice-calc-nogui
SPREADSHEET_INSTALLED = dpkg-query -W -f='$${Status}\n' $(TEST_PACKAGES) 2>/dev/null | grep -q 'install ok installed'
REQUIRE_SPREADSHEET = if $(SPREADSHEET_INSTALLED); then export VELMOR_REQUIRE_SPREADSHEET=1; fi;
# Regional settings the tests write files under: a decimal comma. make test
# installs locales and generates them when they are missing.
TEST_LOCALES := de_DE.UTF-8
# Only for the X11 run: a window manager, and xprop to read what it shows.
X11_PACKAGES := openbox x11-utils
# Only for building and checking the Debian package.
PACKAGE_TOOLS := desktop-file-utils appstream dpkg-dev file lintian shared-mime-info
# Only for the fuzz targets: clang and its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

# Only for the Windows build (make build-windows, make test-windows): the
# MinGW-w64 cross compiler and its zlib, Ninja, and Wine to run the tests.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev ninja-build wine
# The Qt kit for Windows (see ../shared/windows/README.md): VELMOR_WINDOWS_KIT
# if set, else unpacked once from the archive beside the checkout into the
# build folder.
WINDOWS_KIT_ARCHIVE ?= ../shared/windows/qt-6.4.2-mingw-kit.tar.xz
WINDOWS_KIT_UNPACKED = $(CURDIR)/$(BUILD_WINDOWS)/kit/qt-6.4.2-mingw
VELMOR_WINDOWS_KIT ?= $(WINDOWS_KIT_UNPACKED)
export VELMOR_WINDOWS_KIT

FUZZ_SECONDS ?= 60
FUZZ_TARGETS := numeric_text_fuzzer currency_text_fuzzer plain_number_text_fuzzer facility_file_fuzzer records_fuzzer
# Only for the benchmark: callgrind, and an X server for the timed runs.
BENCH_PACKAGES := valgrind xvfb xauth
# Only for the Windows installer and its test: NSIS, zip, objdump for the
# DLLs' imports, Qt's catalogues, and Wine with an X server for the test;
# icoutils for packaging/windows/make_icon.sh.
INSTALLER_PACKAGES := nsis zip binutils-mingw-w64-x86-64 qt6-translations-l10n wine xvfb xauth x11-utils poppler-utils icoutils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test-locales test test-x11 format-check asan package package-check fuzz-deps fuzz bench-deps bench windows-deps windows-kit build-windows test-windows windows-installer test-windows-installer clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing </dev/null; \
	fi

CCACHE_FLAG = $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake --preset default $(CCACHE_FLAG)

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./$(BUILD)/velmor-calculator

# Each locale is enabled in /etc/locale.gen and generated once; locale -a
# names de_DE.UTF-8 "de_DE.utf8".
test-locales:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) locales"
	@missing=$$(for l in $(TEST_LOCALES); do \
	    locale -a 2>/dev/null | grep -q -i -x -F "$$(echo $$l | sed 's/\.UTF-8$$/.utf8/')" || echo $$l; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Generating the locales:" $$missing; \
	  for l in $$missing; do \
	    grep -q -x "$$l UTF-8" /etc/locale.gen || \
	      echo "$$l UTF-8" | $(SUDO) tee -a /etc/locale.gen >/dev/null; \
	  done && $(SUDO) locale-gen; \
	fi

test: build test-locales format-check
	@$(SPREADSHEET_INSTALLED) || \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $(TEST_PACKAGES) </dev/null || \
	  echo "$(TEST_PACKAGES) could not be installed: the spreadsheet checks of the workbook will be skipped."
	$(REQUIRE_SPREADSHEET) ctest --preset default -j $(JOBS)

# The main window's focus handling again on a real X server (Xvfb), and the
# windows' titles and places there, without a window manager and under openbox.
test-x11: PACKAGES += $(X11_PACKAGES)
test-x11: build
	QT_QPA_PLATFORM=xcb xvfb-run -a $(BUILD)/tests/main_window_test
	QT_QPA_PLATFORM=xcb xvfb-run -a $(BUILD)/tests/window_frame_test
	QT_QPA_PLATFORM=xcb xvfb-run -a tests/with_window_manager.sh openbox $(BUILD)/tests/window_frame_test

# Fails, naming each place, where a C++ source of the checkout differs from
# the house style of .clang-format; changes nothing.
format-check: deps
	git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror

# The same suite under AddressSanitizer, LeakSanitizer and UBSan.
asan: deps
	@[ -f $(BUILD_ASAN)/CMakeCache.txt ] || cmake --preset asan $(CCACHE_FLAG)
	cmake --build --preset asan -j $(JOBS)
	$(REQUIRE_SPREADSHEET) ctest --preset asan -j $(JOBS)

# The Debian package, built in $(BUILD)/package.
package: PACKAGES += $(PACKAGE_TOOLS)
package: build
	rm -f $(BUILD)/package/velmor-calculator_*.deb
	cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package

# Runs lintian (errors and warnings fail), validates the menu entry, the
# metainfo and the facility-file type and checks the package's files,
# dependencies and start-up; PACKAGE_CHECK_FLAGS=--install also installs and
# removes it (throw-away machines only). Then proves the check on broken
# copies of the package.
package-check: package
	tools/check_package.sh $(PACKAGE_CHECK_FLAGS) $(BUILD)/package/velmor-calculator_*.deb
	packaging/check_package_test.sh $(BUILD)/package/velmor-calculator_*.deb

# The fuzz targets of the text rules, built with clang in $(BUILD_FUZZ), each
# run for $(FUZZ_SECONDS) s from its seeds in tests/fuzz/corpus/. A crash or a
# broken invariant fails the run and keeps the input in $(BUILD_FUZZ)/fuzz-artifacts.
fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"

fuzz: fuzz-deps
	@[ -f $(BUILD_FUZZ)/CMakeCache.txt ] || cmake --preset fuzz $(CCACHE_FLAG)
	cmake --build --preset fuzz -j $(JOBS)
	tests/fuzz/run_fuzzers.sh $(BUILD_FUZZ) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Start-up, tab changes and memory of the program beside a bare Qt window
# with the same widgets (tools/bench/), Release build in $(BUILD_BENCH).
# Prints a table of ratios against the targets; not part of CI.
bench-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(BENCH_PACKAGES)"

bench: bench-deps
	@[ -f $(BUILD_BENCH)/CMakeCache.txt ] || cmake --preset bench $(CCACHE_FLAG)
	cmake --build --preset bench -j $(JOBS)
	tools/bench/run_bench.sh $(BUILD_BENCH)

# The Windows installer Velmor-Calculator-Setup-VERSION.exe and the portable
# .zip of the same files, in $(BUILD_WINDOWS)/package.
windows-installer: build-windows
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(INSTALLER_PACKAGES)"
	packaging/windows/build_installer.sh $(BUILD_WINDOWS) $(BUILD_WINDOWS)/package

# Installs, runs, opens a file with and uninstalls the installer under Wine,
# and compares the installed program's report with the Linux program's.
test-windows-installer: windows-installer configure
	cmake --build --preset default --target velmor-calculator -j $(JOBS)
	tests/windows/installer_test.sh $(BUILD_WINDOWS)/package/Velmor-Calculator-Setup-*.exe \
	  $(BUILD_WINDOWS)/package/Velmor-Calculator-*-win64.zip $(BUILD)/velmor-calculator

# The same program for 64-bit Windows, cross-built with MinGW-w64 in
# $(BUILD_WINDOWS) with the DLLs it needs beside it; its tests run under
# Wine in a Wine prefix of that folder.
windows-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(WINDOWS_PACKAGES)"

windows-kit:
	@if [ ! -f "$(VELMOR_WINDOWS_KIT)/mingw-w64-x86_64.cmake" ]; then \
	  if [ "$(VELMOR_WINDOWS_KIT)" != "$(WINDOWS_KIT_UNPACKED)" ]; then \
	    echo "VELMOR_WINDOWS_KIT=$(VELMOR_WINDOWS_KIT) holds no Qt kit (mingw-w64-x86_64.cmake)" >&2; exit 1; \
	  fi; \
	  echo "Unpacking $(WINDOWS_KIT_ARCHIVE)"; \
	  mkdir -p "$(dir $(WINDOWS_KIT_UNPACKED))" && tar -xJf "$(WINDOWS_KIT_ARCHIVE)" -C "$(dir $(WINDOWS_KIT_UNPACKED))"; \
	fi

build-windows: windows-deps windows-kit
	@[ -f $(BUILD_WINDOWS)/CMakeCache.txt ] || cmake --preset windows $(CCACHE_FLAG) $(subst CXX,C,$(CCACHE_FLAG))
	cmake --build --preset windows -j $(JOBS)

# The program's settings live in the prefix's registry: a language chosen by
# an earlier run would change the reports of this one, so they go first.
test-windows: build-windows
	WINEPREFIX=$(CURDIR)/$(BUILD_WINDOWS)/wine WINEDEBUG=-all wineboot --init >/dev/null 2>&1; \
	  WINEPREFIX=$(CURDIR)/$(BUILD_WINDOWS)/wine WINEDEBUG=-all wine reg delete 'HKCU\Software\velmor-calculator' /f >/dev/null 2>&1; \
	  WINEPREFIX=$(CURDIR)/$(BUILD_WINDOWS)/wine wineserver -w
	ctest --preset windows -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_BENCH) $(BUILD_WINDOWS)
