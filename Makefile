# Quorlin: `make run` opens the wizard, `make test` runs every test.
# Both install what is missing on a Debian machine first.

BUILD_TYPE ?= RelWithDebInfo
ifeq ($(SANITIZE),1)
BUILD ?= build-sanitize
CMAKE_FLAGS += -DQUORLIN_SANITIZE=ON
BUILD_TYPE = Debug
else
BUILD ?= build
endif
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
STARTUP_ROUNDS ?= 21
PREFIX ?= /usr/local
PREVIEW_ROUNDS ?= 21

# Debian packages the build, the tests and the screenshots need; the second
# line installs, packages and checks the desktop files (make install, make package).
PACKAGES := cmake make g++ qt6-base-dev qt6-translations-l10n libgl-dev zlib1g-dev libfontconfig-dev fonts-wqy-microhei \
  dpkg-dev file desktop-file-utils appstream libxml2-utils groff-base
FUZZ_PACKAGES := clang libclang-rt-14-dev
BENCH_WINDOW_PACKAGES := xvfb
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# ccache, when the machine has it, shares compiled objects between checkouts.
ifneq ($(shell command -v ccache 2>/dev/null),)
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR ?= $(abspath $(CURDIR)/..)
endif

.PHONY: all deps fuzz-deps configure build run test install uninstall desktop-caches package bench bench-check \
  bench-editor bench-fields bench-startup bench-window bench-preview bench-preview-start bench-layout fuzz fuzz-preview fuzz-script screenshots clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quorlin

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Into $(DESTDIR)$(PREFIX); the list of what went where (without DESTDIR) is kept for uninstall
# (the build's own install_manifest.txt is rewritten by every install, the
# tests' and the package's too). Installed for real, the desktop's caches
# learn the new file types, menu entry and icon.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)
	cp $(BUILD)/install_manifest.txt $(BUILD)/installed_files.txt
	@if [ -z "$(DESTDIR)" ]; then $(MAKE) --no-print-directory desktop-caches; fi

uninstall:
	@[ -f $(BUILD)/installed_files.txt ] || { echo "Nothing installed from $(BUILD)."; exit 1; }
	sed 's|^|$(DESTDIR)|' $(BUILD)/installed_files.txt | xargs -rd '\n' rm -fv
	@sed -n 's|^\(.*\)/libquorlin_window.so$$|$(DESTDIR)\1|p' $(BUILD)/installed_files.txt \
	  | xargs -rd '\n' rmdir --ignore-fail-on-non-empty
	rm -f $(BUILD)/installed_files.txt
	@if [ -z "$(DESTDIR)" ]; then $(MAKE) --no-print-directory desktop-caches; fi

desktop-caches:
	-command -v update-mime-database >/dev/null && update-mime-database $(PREFIX)/share/mime
	-command -v update-desktop-database >/dev/null && update-desktop-database -q $(PREFIX)/share/applications
	-command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -qtf $(PREFIX)/share/icons/hicolor

# A Debian package, quorlin_VERSION_ARCH.deb in $(BUILD); `apt install ./$(BUILD)/quorlin_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin_bench
	./$(BUILD)/quorlin_bench

# Checking a 500 KB script, the median of 31 rounds in processor time
# (wall-clock printed beside it); the target is at most 20 ms.
bench-check: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin_check_bench
	./$(BUILD)/quorlin_check_bench --at-most 20

# One keystroke on the script page with a 5,000-line script, off screen: the
# median cost to the window's thread must stay at most 16 ms.
bench-editor: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin_editor_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlin_editor_bench

bench-fields: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin_fields_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlin_fields_bench

# `quorlin generate` on the fullest draft against a bare start of Qt's core
# application, whole processes in turn, STARTUP_ROUNDS rounds; the target is
# at most 1.8 times the bare start. BASELINE=path/to/quorlin times an older
# build of the program on the same draft alongside.
bench-startup: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin quorlin_bare_start quorlin_startup_bench
	@sh bench/make_max_draft.sh ./$(BUILD)/quorlin $(BUILD)/bench-max.qlx
	./$(BUILD)/quorlin_startup_bench --at-most 1.8 $(STARTUP_ROUNDS) ./$(BUILD)/quorlin_bare_start \
	  -- ./$(BUILD)/quorlin generate --draft $(BUILD)/bench-max.qlx --output $(BUILD)/bench-max.rms \
	  $(if $(BASELINE),-- $(BASELINE) generate --draft $(BUILD)/bench-max.qlx --output $(BUILD)/bench-max-baseline.rms)

# The full preview (script, plan, map, picture) of the fullest draft's script
# on a Medium and a Giant map, PREVIEW_ROUNDS seeds; the medians must stay
# within 6 and 15 ms. Then the heaviest script (5,000 lands, 2,000 object
# blocks) on a Giant map, within 150 ms.
bench-preview: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin quorlin_window quorlin_preview_bench
	@sh bench/make_max_draft.sh ./$(BUILD)/quorlin $(BUILD)/bench-max.qlx
	@./$(BUILD)/quorlin generate --draft $(BUILD)/bench-max.qlx --output $(BUILD)/bench-max.rms
	@sh bench/make_heavy_script.sh $(BUILD)/bench-heavy.rms
	@# Both benches run and print their targets; the rule fails after them if either missed.
	@status=0; \
	for bench in "$(BUILD)/bench-max.rms" "--heavy $(BUILD)/bench-heavy.rms"; do \
	  echo "QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlin_preview_bench $$bench $(PREVIEW_ROUNDS)"; \
	  QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlin_preview_bench $$bench $(PREVIEW_ROUNDS) || status=1; \
	done; exit $$status

# `quorlin preview` of the fullest draft against `quorlin generate` of the
# same draft, whole processes in turn, STARTUP_ROUNDS rounds; the target is at
# most 4 times the generation.
bench-preview-start: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin quorlin_drawing quorlin_startup_bench
	@sh bench/make_max_draft.sh ./$(BUILD)/quorlin $(BUILD)/bench-max.qlx
	./$(BUILD)/quorlin_startup_bench --at-most 4 $(STARTUP_ROUNDS) \
	  ./$(BUILD)/quorlin generate --draft $(BUILD)/bench-max.qlx --output $(BUILD)/bench-max.rms \
	  -- ./$(BUILD)/quorlin preview --draft $(BUILD)/bench-max.qlx --output $(BUILD)/bench-max.png

# The window's thread on a page change, a change the preview redraws and a
# resize, off screen at 1024x768 with the preview on, on the fullest draft and
# a Giant map; the 90th percentile of each must stay within 50 ms.
bench-layout: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin quorlin_layout_bench
	@sh bench/make_max_draft.sh ./$(BUILD)/quorlin $(BUILD)/bench-max.qlx
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlin_layout_bench $(BUILD)/bench-max.qlx

# The window's start-up to its first painted page against a bare QApplication
# with an empty QMainWindow, on Xvfb (started when there is no display), in
# turns, STARTUP_ROUNDS rounds; the target is at most 1.5 times.
bench-window: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_WINDOW_PACKAGES)"
	@cmake --build $(BUILD) -j $(JOBS) --target quorlin_bare_window quorlin_startup_bench
	sh bench/on_x_server.sh ./$(BUILD)/quorlin_startup_bench --at-most 1.5 $(STARTUP_ROUNDS) \
	  ./$(BUILD)/quorlin_bare_window -- ./$(BUILD)/quorlin --quit-after-show

# Pictures of the six pages and the unit picker, drawn off screen with the CJK
# font, and in dark/ (a dark palette) and large-text/ (1.5 times the font);
# all again in scale-1.5/ as on a 1280x900 screen at 1.5 times the scale.
screenshots: build
	rm -rf screenshots-out
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlin --screenshots screenshots-out
	QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/data/screen_1280x900.json QT_SCALE_FACTOR=1.5 \
	  ./$(BUILD)/quorlin --screenshots screenshots-out/scale-1.5

# The draft reader under libFuzzer with ASan and UBSan, for FUZZ_SECONDS;
# new inputs go to fuzz-out/corpus, a crashing one to fuzz-out/.
fuzz: deps fuzz-deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLIN_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target draft_fuzz
	@mkdir -p fuzz-out/corpus
	./build-fuzz/draft_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	  -dict=fuzz/draft.dict -artifact_prefix=fuzz-out/ -print_final_stats=1 fuzz-out/corpus fuzz/corpus

# The script reader and checker under libFuzzer with ASan and UBSan, for
# FUZZ_SECONDS; new inputs go to fuzz-out/script-corpus, a crashing one to fuzz-out/.
fuzz-script: deps fuzz-deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLIN_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target script_fuzz
	@mkdir -p fuzz-out/script-corpus
	./build-fuzz/script_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
	  -dict=fuzz/script.dict -artifact_prefix=fuzz-out/ -print_final_stats=1 fuzz-out/script-corpus fuzz/script_corpus

# The map preview (the script read into a plan, the map built from it) under
# libFuzzer with ASan and UBSan, for FUZZ_SECONDS, from the golden scripts;
# new inputs go to fuzz-out/preview-corpus, a crashing one to fuzz-out/.
fuzz-preview: deps fuzz-deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLIN_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target preview_fuzz
	@mkdir -p fuzz-out/preview-corpus
	./build-fuzz/preview_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	  -artifact_prefix=fuzz-out/ -print_final_stats=1 fuzz-out/preview-corpus fuzz/preview_corpus

clean:
	rm -rf build build-sanitize build-fuzz
