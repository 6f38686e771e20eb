# SPDX-License-Identifier: GPL-3.0-or-later
"""What the end-to-end scripts that read the program over AT-SPI share: the walk through a
window's accessible tree and the wait for a value to appear."""
import time


def walk(node, depth=0):
    """Every node below node, node first; a node that goes away while read is left out."""
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def await_value(what, probe, fail, limit):
    """The first value probe gives that is not empty, asked every 0.2 s; fail after limit s."""
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.2)
    fail("no %s within %ds" % (what, limit))
