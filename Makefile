# The two commands a new user needs:
#   make run    build and start the program (on a machine without a display: screenshots under Xvfb)
#   make test   build everything with warnings as errors and pass every test
.PHONY: configure build-linux run test test-linux test-sanitize test-fuzz fuzz test-windows windows deb bench deps deps-linux clean

BUILD := build
BUILD_ASAN := build-asan
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

deps:
	bash scripts/install-deps.sh all

deps-linux:
	bash scripts/install-deps.sh linux

configure: deps-linux
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DPALVO_WARNINGS_AS_ERRORS=ON

build-linux: configure
	cmake --build $(BUILD)

run: build-linux
	bash scripts/run.sh $(BUILD)

test: deps test-linux test-sanitize test-fuzz test-windows

test-linux: build-linux
	ctest --test-dir $(BUILD) --output-on-failure --timeout 300

test-sanitize: deps-linux
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_FLAGS) -DPALVO_WARNINGS_AS_ERRORS=ON -DPALVO_SANITIZE=ON -DPALVO_BUILD_BENCHMARKS=OFF
	cmake --build $(BUILD_ASAN)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --test-dir $(BUILD_ASAN) --output-on-failure --timeout 300

# Each fuzz target for a few thousand inputs; `make fuzz FUZZ_SECONDS=600` for a long run.
test-fuzz: deps-linux
	bash scripts/fuzz.sh

FUZZ_SECONDS := 600
fuzz: deps-linux
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

test-windows:
	bash scripts/test-windows.sh

windows:
	bash scripts/build-windows.sh

# dist/palvo_<version>_amd64.deb, from the normal build.
deb: build-linux
	cd $(BUILD) && cpack -B $(CURDIR)/$(BUILD)/cpack
	mkdir -p dist
	cp $(BUILD)/cpack/palvo_*_amd64.deb dist/

bench: build-linux
	bash scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) build-fuzz build-win32 build-win64 dist
