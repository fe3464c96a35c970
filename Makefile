# A thin front: the scripts in tools/ do the work and install what they need.
.PHONY: test run dist bench clean

test:
	tools/test-all

bench:
	tools/bench

clean:
	rm -rf build dist
