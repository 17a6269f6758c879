# Thin wrapper over CMake.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
JOBS ?= 2

.PHONY: all demo test package clean

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

clean:
	rm -rf $(BUILD)
