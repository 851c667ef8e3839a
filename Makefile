# The two commands of the README: `make run` and `make test`. Both install what is
# missing on a Debian 12 machine first, so they work on a fresh clone.
BUILD      ?= build
ASAN_BUILD ?= build-asan
PACKAGE_BUILD ?= build-package
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-main test-asan check-includes format-check bench guide package clean

all: build

deps:
	@./scripts/install-deps.sh

# Configured for /usr, where the Debian package installs: make test packs these very programs,
# and probel-cli has the path of its installed helper compiled in.
configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

run: build
	@./scripts/run.sh $(BUILD)

test: check-includes format-check test-main test-asan

# No file may reach itself through its includes, no module (a header and its source) may reach
# itself through another's, and no layer may include a layer above it.
check-includes: deps
	@python3 scripts/check-include-cycles.py --components

# Fails when a source file is not laid out as .clang-format says (clang-format --dry-run
# names each file and line that differs).
format-check: deps
	@find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | \
		xargs -0 clang-format --dry-run -Werror

test-main: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every test once more under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# directory of its own (the benchmarks are left out).
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPROBEL_SANITIZE=ON \
		-DPROBEL_WITH_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS) -- --no-print-directory
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j$(JOBS)

bench: build
	@./scripts/run-benchmarks.sh $(BUILD)

# The pictures of docs/guide-ja.md, taken from the real program on a virtual screen.
guide: build
	@./scripts/make-guide-pictures.sh $(BUILD)

# The Debian package, from a Release build of the programs alone (no tests, no benchmarks).
# Install it with `sudo apt install ./build-package/probel_<version>_<arch>.deb`.
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DPROBEL_WITH_TESTS=OFF -DPROBEL_WITH_BENCH=OFF >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j$(JOBS) -- --no-print-directory
	@rm -f $(PACKAGE_BUILD)/probel_*.deb
	@cd $(PACKAGE_BUILD) && cpack -G DEB >/dev/null
	@ls $(CURDIR)/$(PACKAGE_BUILD)/probel_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD)
