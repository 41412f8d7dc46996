# The two commands of the README, and the targets they are made of.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Release builds with each compiler, as a packager would build: they must compile warning-free.
RELEASE_BUILD       ?= build-release
CLANG_RELEASE_BUILD ?= build-clang-release
# The project's own builds turn every warning into an error; a packager's build does not.
WERROR = -DQUELVARIN_WERROR=ON
# Seconds each fuzzer runs: short in `make test`, longer with `make fuzz`.
FUZZ_SMOKE_SECONDS ?= 20
FUZZ_SECONDS       ?= 300

CLI    = $(BUILD)/src/quelvarin-cli
GUI    = $(BUILD)/src/quelvarin
SAMPLE = data/quelva/archivum/minta.qvl
# The workstation of `make run` keeps its files here, seeded from data/quelva/ on the first
# run, so that running it never changes a tracked file.
RUN_ROOT ?= $(BUILD)/quelva

.PHONY: run test deps build asan release clang-release fuzz-build fuzz-smoke fuzz bench sample golden clean \
        install-data sign-help topic-help et-texts list-files card-glyphs card-pictures program-pictures \
        word-template voices

run: deps build
	$(GUI) --root $(RUN_ROOT) $(RUN_ROOT)/archivum/minta.qvl

test: deps build asan release clang-release fuzz-smoke
	ctest --test-dir $(BUILD) --output-on-failure -j2
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2

deps:
	@scripts/setup-deps

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELVARIN_TESTS=ON -DQUELVARIN_BENCH=ON $(WERROR)
	cmake --build $(BUILD)

# AddressSanitizer and UndefinedBehaviorSanitizer over the same tests.
asan:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELVARIN_SANITIZE=ON $(WERROR)
	cmake --build $(ASAN_BUILD)

# The libraries, programs and benchmarks in Release with g++ and with clang (GCC's -O3 warns
# about things -O2 does not see); their tests are the normal build's.
release:
	CXX=g++ cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVARIN_TESTS=OFF -DQUELVARIN_BENCH=ON $(WERROR)
	cmake --build $(RELEASE_BUILD)

clang-release:
	CXX=clang++ cmake -S . -B $(CLANG_RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVARIN_TESTS=OFF -DQUELVARIN_BENCH=ON $(WERROR)
	cmake --build $(CLANG_RELEASE_BUILD)

fuzz-build:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELVARIN_FUZZ=ON $(WERROR)
	cmake --build $(FUZZ_BUILD)

fuzz-smoke: build fuzz-build
	fuzz/run-fuzzers $(BUILD) $(FUZZ_BUILD) $(FUZZ_SMOKE_SECONDS)

fuzz: deps build fuzz-build
	fuzz/run-fuzzers $(BUILD) $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: deps build
	$(BUILD)/bench/quelvarin_bench

# Rewrites the shipped sample protocol from its scripted session.
sample: build
	$(BUILD)/tools/make-sample-protocol $(SAMPLE)

# Rewrites the expected interpretation of the sample protocol; review the diff before committing.
golden: build
	$(CLI) --root data/quelva interpret $(SAMPLE) -o tests/golden/minta.Szov_Ert.txt
	$(CLI) --root data/quelva sheet $(SAMPLE) -o tests/golden/minta.aktualis.html
	$(CLI) --root data/quelva page $(SAMPLE) -o tests/golden/minta.akt_jkv.html

# Regenerates the installation data of the windows in data/quelva/ from their scripts; each
# script gives the same bytes on every run, so review the diff before committing.
install-data: sign-help topic-help et-texts list-files card-glyphs card-pictures program-pictures word-template voices

sign-help:
	scripts/build-help-files.py

topic-help:
	scripts/build-topic-help.py topics

et-texts:
	scripts/build-topic-help.py et

list-files:
	scripts/build-list-files.py

card-glyphs:
	scripts/make-card-glyphs.py

card-pictures:
	scripts/make-card-pictures.py

program-pictures:
	scripts/make-program-pictures.py

word-template:
	scripts/make-word-template.py

voices: deps
	scripts/make-voices.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD) $(CLANG_RELEASE_BUILD)
