# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: deps configure build run test test-asan clean bench bench-scale screenshot

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/varnolt

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

# The engine and platform tests again under ASan + UBSan.
$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVARNOLT_SANITIZE=ON -DVARNOLT_WITH_QT=OFF

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The benchmark suite at 100,000 files against the floor and the peers; the table also goes to
# $(BUILD)/bench-table.md. Memory and scaling at 1,000,000 files: bench-scale.
bench: build
	bench/run-bench.sh --files 100000 --build $(BUILD) --table $(BUILD)/bench-table.md

bench-scale: build
	bench/run-bench.sh --files 1000000 --rounds 1 --jobs "floor-move varnolt-move varnolt-undo varnolt-preview" \
		--build $(BUILD) --table $(BUILD)/bench-scale-table.md

# The window after a preview of a small sample folder, pictured under Xvfb for the README.
screenshot: build
	xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/tests/ui/varnolt_screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
