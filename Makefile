# Thin wrapper over CMake.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
JOBS ?= 2

.PHONY: all demo test package windows test-windows clean

all:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Builds the program and converts the bundled example (a copy, in the build folder).
demo:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target vorlanthe
	mkdir -p $(BUILD)/demo
	cp examples/example.mid $(BUILD)/demo/example.mid
	$(BUILD)/vorlanthe $(BUILD)/demo/example.mid
	@ls -l examples/example.mid $(BUILD)/demo/example_.mid

test: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The .deb, checked: unpacked, run on the example, manual page rendered.
package:
	bash tests/package/check_deb.sh $(BUILD)-package

# Windows: cross-built with MinGW-w64, tested under Wine as a Japanese system.
WIN_BUILD ?= build-windows
# No Mono or Gecko: nothing here needs them, and their installers would ask.
WINE_ENV = WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX=$(abspath $(WIN_BUILD))/wineprefix \
	LOCPATH=$(abspath $(WIN_BUILD))/locales LANG=ja_JP.UTF-8

windows:
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	mkdir -p $(WIN_BUILD)/locales
	test -d $(WIN_BUILD)/locales/ja_JP.UTF-8 || localedef -i ja_JP -f UTF-8 $(WIN_BUILD)/locales/ja_JP.UTF-8 || test -d $(WIN_BUILD)/locales/ja_JP.UTF-8
	# Start Wine's server and services once, or its helpers hold ctest's pipes open.
	mkdir -p $(WIN_BUILD)/wineprefix
	$(WINE_ENV) wineserver -p
	$(WINE_ENV) wine wineboot >/dev/null 2>&1
	$(WINE_ENV) cmake --build $(WIN_BUILD) -j $(JOBS)

test-windows: windows
	cd $(WIN_BUILD) && $(WINE_ENV) ctest --output-on-failure -j $(JOBS)
	$(WINE_ENV) wineserver -k || true

clean:
	rm -rf $(BUILD)
