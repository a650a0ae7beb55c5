# Front door: `make run` and `make test` do all the set-up on a fresh Debian 12 machine.
BUILD ?= build
export VISTORA_BUILD := $(abspath $(BUILD))

.PHONY: all run test test-unit test-win32 test-e2e test-fuzz soak fuzz bench dist tour clean
all:
	tools/build.sh
run:
	tools/run.sh
test:
	tools/test.sh
test-unit:
	tools/test.sh -L unit
test-win32:
	tools/test.sh -L win32
test-e2e:
	tools/test.sh -L e2e
test-fuzz:
	tools/test.sh -L fuzz
# A hundred rounds of a show with the pen in one Vistora, watching handles, memory and windows.
soak:
	tools/test.sh -L soak
# Every fuzz target for FUZZ_SECONDS each (default 60), e.g. make fuzz FUZZ_SECONDS=600.
fuzz:
	tools/fuzz.sh
bench:
	tools/bench.sh
dist:
	tools/build.sh
	tools/dist.sh
tour:
	tools/tour.sh
clean:
	rm -rf $(BUILD)
