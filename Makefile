# Mentavo: the two commands are `make run` and `make test`.
# Everything else here serves them.
SHELL := /bin/bash
.PHONY: all deps build run test package bench clean

all: build

deps:
	@scripts/deps.sh

build: deps
	@scripts/build.sh

run: build
	@scripts/run.sh

test: build
	@scripts/test.sh

package: build
	@scripts/package.sh

bench: build
	@scripts/bench.sh

clean:
	rm -rf build
