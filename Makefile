# A thin front: the scripts in tools/ do the work and install what they need.
.PHONY: test run dist clean

test:
	tools/test-all

run:
	tools/run

dist:
	tools/dist

clean:
	rm -rf build dist
