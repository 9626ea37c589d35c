# make run: install what is missing, build, open the window.
# make test: install what is missing, build, run every test headless.
# make check-sanitized: the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a folder of their own; any report fails them.
# make check-aarch64: the libraries, the calculator core and their tests
# cross-built for aarch64 and run under qemu-user, the reference library
# table included (not the window).
# make install: build, then install the program, its menu entry and the
# libraries under PREFIX (staged under DESTDIR when that is set).
BUILD_DIR ?= build
SANITIZED_DIR ?= build-sanitized
AARCH64_DIR ?= build-aarch64
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps build test check-sanitized check-aarch64 run bench install clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The install test is left out: it builds the libraries anew without the sanitizers.
check-sanitized: deps
	cmake -S . -B $(SANITIZED_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DH2O_ORV_BUILD_SPREADSHEET=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZED_DIR) -j $(JOBS)
	cd $(SANITIZED_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -E InstalledPackage

check-aarch64:
	scripts/check-aarch64.sh $(AARCH64_DIR) $(JOBS)

run: build
	$(BUILD_DIR)/p_H2O_ORV

bench: build
	$(BUILD_DIR)/bench/h2o_bench

# Only what is installed is built: the two programs, the Calc extension and the two libraries.
install: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS) --target p_H2O_ORV h2o h2o_oxt TFS Tabl1
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

clean:
	rm -rf $(BUILD_DIR) $(SANITIZED_DIR) $(AARCH64_DIR)
