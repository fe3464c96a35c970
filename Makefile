# A thin front: the scripts in tools/ do the work and install what they need.
.PHONY: test fuzz run dist clean

test:
	tools/test-all

run:
	tools/run

dist:
	tools/dist

# The long fuzzing: make fuzz [FUZZ_RUNS=executions per target, 10 million by default].
fuzz:
	tools/fuzz $(FUZZ_RUNS)

clean:
	rm -rf build dist
