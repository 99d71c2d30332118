# Front doors: `make run`, `make test`, `make bench`. Each installs what is
# missing (Debian packages) and builds what is stale.
NATIVE := build/native
WIN32 := build/win32
SANITIZE := build/sanitize
PREFIX := $(CURDIR)/build/wineprefix
WINE := /usr/lib/wine/wine64
WINE_ENV := LANG=C.UTF-8 LC_ALL=C.UTF-8 WINEPREFIX=$(PREFIX) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

.PHONY: all deps native win32 test test-native test-win32 run bench sanitize clean

all: native win32

deps:
	@scripts/ensure-deps.sh

native: deps
	@[ -f $(NATIVE)/build.ninja ] || cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Release
	@ninja -C $(NATIVE)

win32: native
	@[ -f $(WIN32)/build.ninja ] || cmake -S . -B $(WIN32) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DZV_NATIVE_BIN=$(CURDIR)/$(NATIVE)
	@ninja -C $(WIN32) Zorvane zorvane-cli win32_tests

test: native win32
	@scripts/test.sh

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j2

test-win32: win32
	@scripts/wine-prefix.sh $(PREFIX)
	@env -u DISPLAY $(WINE_ENV) $(WINE) $(WIN32)/win32_tests.exe --gtest_brief=1

run: win32
	@scripts/run.sh

bench: native
	@scripts/bench.sh

# The native suites under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz harness for FUZZ_SECONDS on its seeds.
FUZZ_SECONDS ?= 30
SAN_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize:
	@scripts/ensure-deps.sh --with-fuzz
	@[ -f $(SANITIZE)/build.ninja ] || cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)" -DZV_WERROR=OFF
	@ninja -C $(SANITIZE) core_tests
	@cd $(SANITIZE) && UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j2
	@$(MAKE) -C tests/fuzz smoke SECONDS_EACH=$(FUZZ_SECONDS)

clean:
	rm -rf build
