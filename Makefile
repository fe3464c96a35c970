# A thin front: the scripts in tools/ do the work and install what they need.
.PHONY: test fuzz run dist bench clean

test:
	tools/test-all

run:
	tools/run

dist:
	tools/dist

# The long fuzzing: make fuzz [FUZZ_RUNS=executions per target, 10 million by default].
fuzz:
	tools/fuzz $(FUZZ_RUNS)

# The program against a bare window under Wine: make bench [BENCH_RUNS=15].
bench:
	tools/bench

clean:
	rm -rf build dist
