# Set-up, build and test in one place. `make run` and `make test` work on a fresh Debian
# machine: they install what is missing, configure, build and then run.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
SAMPLE ?= examples/sample.met
CMAKE_FLAGS ?=

.PHONY: all deps configure build run catalogue test bench fuzz format tidy clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The catalogue page (every registered shape kind, as made and with its handles moved) written
# afresh and exported to PNG and SVG in build/; then the drawing application on the bundled
# sample: in a window when there is a display, otherwise headless: the document's summary, and
# the first page as PNG and PDF in build/.
run: build
	@$(BUILD_DIR)/examples/qarn_make_catalogue $(BUILD_DIR)/catalogue.met && \
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/InkvaneU --export-filename=$(BUILD_DIR)/catalogue.png $(BUILD_DIR)/catalogue.met && \
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/InkvaneU --export-filename=$(BUILD_DIR)/catalogue.svg $(BUILD_DIR)/catalogue.met && \
	echo "Wrote $(BUILD_DIR)/catalogue.png and $(BUILD_DIR)/catalogue.svg"
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD_DIR)/app/InkvaneU "$(SAMPLE)"; \
	else \
		echo "No display: running InkvaneU headless on $(SAMPLE)."; \
		$(BUILD_DIR)/app/InkvaneU --info "$(SAMPLE)" && \
		$(BUILD_DIR)/app/InkvaneU --export-filename=$(BUILD_DIR)/sample.png "$(SAMPLE)" && \
		$(BUILD_DIR)/app/InkvaneU --export-filename=$(BUILD_DIR)/sample.pdf "$(SAMPLE)" && \
		$(BUILD_DIR)/app/InkvaneU --export-filename=$(BUILD_DIR)/sample.svg "$(SAMPLE)" && \
		echo "Wrote $(BUILD_DIR)/sample.png, $(BUILD_DIR)/sample.pdf and $(BUILD_DIR)/sample.svg"; \
	fi

# Writes examples/catalogue.met again, with every shape kind registered now.
catalogue: build
	$(BUILD_DIR)/examples/qarn_make_catalogue examples/catalogue.met

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQARN_BUILD_TESTS=OFF -DQARN_BUILD_BENCH=ON
	cmake --build $(BUILD_DIR)-bench -j $(JOBS)
	@for b in $(BUILD_DIR)-bench/bench/qarn_bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; fi; done

fuzz: deps
	CXX=clang++ cmake -S . -B $(BUILD_DIR)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQARN_BUILD_TESTS=OFF -DQARN_BUILD_FUZZ=ON -DQARN_SANITIZE=ON
	cmake --build $(BUILD_DIR)-fuzz -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# The checks of .clang-tidy over every source of the engine and the programs (slow: minutes).
tidy: build
	run-clang-tidy -quiet -p $(BUILD_DIR) -j $(JOBS) '/(engine|app|symbol-editor|setup)/.*\.cpp$$'

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench $(BUILD_DIR)-fuzz
