# Two commands do everything on a fresh Debian machine:
#   make run   installs what is missing, builds, opens the configuration window under Wine
#   make test  installs what is missing, builds both targets, runs every test

.PHONY: run test deps build build-host build-asan build-windows bench format tidy clean

run: deps build-windows
	scripts/run.sh

test: deps build
	scripts/test.sh

deps:
	scripts/install-deps.sh

build: build-host build-asan build-windows

build-host:
	cmake --preset host >/dev/null
	cmake --build --preset host

build-asan:
	cmake --preset asan >/dev/null
	cmake --build --preset asan

build-windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows

bench: deps build-windows
	scripts/bench.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: build-host
	git ls-files 'src/settings/*.cpp' 'src/lang/*.cpp' | xargs clang-tidy -p build/host --quiet

clean:
	rm -rf build
