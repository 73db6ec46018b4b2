# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what is missing, builds, and starts Zibaldo with its own word list
# make test  installs what is missing, builds, and runs every test
# make package        builds the Debian package zibaldo_<version>_amd64.deb here
# make package-check  checks that package with Debian's tools and starts it under Xvfb
# make windows            cross-builds Zibaldo for Windows and deploys it in build-windows/zibaldo/
#                         (Qt for Windows is built first, once per machine: about 35 minutes)
# make windows-installer  packs that folder into Zibaldo-<version>-setup.exe here
# make windows-check      installs, plays and uninstalls that installer under wine and Xvfb
SHELL := /bin/bash
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
WINDOWS_BUILD ?= build-windows
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

CMAKE_QUIET = --log-level=WARNING
.PHONY: setup build run test test-sanitize fuzz bench bench-startup format-check package \
  package-check windows-setup windows windows-installer windows-check clean

setup:
	@tools/setup.sh

build: setup
	@echo "== configuring and building in $(BUILD)/"
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_QUIET)
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@echo "== starting Zibaldo"
	@cd $(BUILD) && ./zibaldo

test: build
	@echo "== running the tests"
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: setup
	@echo "== configuring and building with sanitizers in $(SANITIZE_BUILD)/"
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZIBALDO_SANITIZE=ON $(CMAKE_QUIET)
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@echo "== running the tests with sanitizers"
	@cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest -j $(JOBS) --output-on-failure

# libFuzzer on the word list reader, for FUZZ_SECONDS seconds.
fuzz: setup
	@echo "== building the word list fuzzer in $(FUZZ_BUILD)/"
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIBALDO_FUZZ=ON \
	  -DBUILD_TESTING=OFF -DZIBALDO_BENCHMARKS=OFF $(CMAKE_QUIET)
	@cmake --build $(FUZZ_BUILD) --target zibaldo_wordlist_fuzz -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/corpus
	@echo "== fuzzing for $(FUZZ_SECONDS) s"
	@$(FUZZ_BUILD)/fuzz/zibaldo_wordlist_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  $(FUZZ_BUILD)/corpus fuzz/seeds 2>&1 | grep -E "^(Done|stat::number_of_executed_units|==|SUMMARY)|ERROR|crash" ; \
	  test $${PIPESTATUS[0]} -eq 0

bench: build
	@cd $(BUILD) && ./bench/zibaldo_bench

# Zibaldo's start-up against a program that only opens an empty window, under Xvfb.
bench-startup: build
	@bench/startup.sh $(BUILD)

# The C++ sources as clang-format lays them out.
format-check: setup
	@echo "== checking the C++ formatting"
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# A Release build with Debian's hardening flags, installed in the Debian layout and packed by CPack.
package: setup
	@echo "== configuring and building the package in $(PACKAGE_BUILD)/"
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all && \
	  cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DZIBALDO_DEBIAN_LAYOUT=ON -DBUILD_TESTING=OFF \
	    -DZIBALDO_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_QUIET)
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target zibaldo zibaldo_voice_module
	@echo "== packing"
	@rm -f $(PACKAGE_BUILD)/zibaldo_*.deb
	@cd $(PACKAGE_BUILD) && { cpack -G DEB >cpack.log || { cat cpack.log; exit 1; }; }
	@cp $(PACKAGE_BUILD)/zibaldo_*.deb .
	@echo "== made $$(cd $(PACKAGE_BUILD) && ls zibaldo_*.deb)"

package-check: package
	@tools/package-check.sh $(PACKAGE_BUILD)/zibaldo_*.deb

windows-setup:
	@tools/windows/setup.sh

# Release, with the Qt for Windows and the speech engine that tools/windows/build-qt.sh and
# tools/windows/build-espeak.sh keep in ~/.cache/zibaldo/.
windows: windows-setup
	@qt=$$(tools/windows/build-qt.sh) && engine=$$(tools/windows/build-espeak.sh) && \
	  echo "== configuring and building for Windows in $(WINDOWS_BUILD)/" && \
	  "$$qt/bin/qt-cmake" -S . -B $(WINDOWS_BUILD) -G Ninja \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	    -DZIBALDO_ESPEAK_NG_DIR="$$engine" -DBUILD_TESTING=OFF -DZIBALDO_BENCHMARKS=OFF $(CMAKE_QUIET)
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@rm -rf $(WINDOWS_BUILD)/zibaldo
	@cmake --install $(WINDOWS_BUILD) --prefix $(WINDOWS_BUILD) --strip >/dev/null
	@echo "== deployed $(WINDOWS_BUILD)/zibaldo/ ($$(du -sh $(WINDOWS_BUILD)/zibaldo | cut -f1))"

windows-installer: windows
	@echo "== making the installer"
	@tools/windows/make-installer.sh $(WINDOWS_BUILD) .

windows-check: windows-installer
	@tools/windows/check.sh \
	  Zibaldo-$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(WINDOWS_BUILD)/CMakeCache.txt)-setup.exe

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD) $(WINDOWS_BUILD)
