# A thin front: the scripts in tools/ do the work and install what they need.
.PHONY: test run dist clean

test:
	tools/test-all

clean:
	rm -rf build dist
