# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: deps configure build run test test-asan test-fuzz fuzz clean bench bench-scale screenshot package package-check \
	translations-template translations

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/varnolt

# The reliability tests leave one summary line per test process; they are added up per group at the end.
test: build
	@rm -f $(abspath $(BUILD))/reliability-summary.txt
	VARNOLT_RELIABILITY_SUMMARY=$(abspath $(BUILD))/reliability-summary.txt \
		ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory test-fuzz
	@tests/reliability/summarise $(abspath $(BUILD))/reliability-summary.txt

# The whole suite again under ASan + UBSan.
$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVARNOLT_SANITIZE=ON

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The libFuzzer targets, built with clang on their own: a short run of each in `make test`, a long one
# that grows the checked-in corpus in `make fuzz`.
$(FUZZ_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug

test-fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@fuzz/run $(FUZZ_BUILD) 15

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS) --grow

# The benchmark suite at 100,000 files against the floor and the peers; the table also goes to
# $(BUILD)/bench-table.md. Memory and scaling at 1,000,000 files: bench-scale.
bench: build
	bench/run-bench.sh --files 100000 --build $(BUILD) --table $(BUILD)/bench-table.md

bench-scale: build
	bench/run-bench.sh --files 1000000 --rounds 3 --jobs "floor-move floor-undo varnolt-move varnolt-undo varnolt-preview" \
		--build $(BUILD) --table $(BUILD)/bench-scale-table.md

# The window after a preview of a small sample folder, pictured under Xvfb for the README: at the
# desktop's usual font, and at 12 pt; then in German and in Japanese.
screenshot: build
	LANGUAGE=en xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tests/ui/varnolt_screenshot docs/screenshot.png
	LANGUAGE=en xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tests/ui/varnolt_screenshot docs/screenshot-12pt.png 12
	LANGUAGE=de xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tests/ui/varnolt_screenshot docs/screenshot-de.png
	LANGUAGE=ja xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tests/ui/varnolt_screenshot docs/screenshot-ja.png

# The template for a translation: every text the window, the engine and varnolt-cli show, in
# $(BUILD)/translations/varnolt.ts. A new language: copy it to translations/varnolt_<language>.ts and
# translate it in Qt Linguist.
translations-template: deps
	@mkdir -p $(BUILD)/translations
	scripts/update-translations $(BUILD)/translations/varnolt.ts

# The shipped translations brought up to the sources: new texts come in unfinished (the test suite then
# names them), texts no longer used go.
translations: deps
	scripts/update-translations

# The Debian package varnolt_<version>_amd64.deb, copied here for `apt install ./varnolt_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/varnolt_*_amd64.deb .

# Installs that package on this machine, starts the program from its launcher under Xvfb, pictures the
# screen to $(BUILD)/package-check.png and removes the package again. Not in `make test`: it changes the
# system's packages.
package-check: package
	tests/packaging/check-package $$(ls -t varnolt_*_amd64.deb | head -1) \
		$(BUILD)/packaging/varnolt_grab_screen $(BUILD)/package-check.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
