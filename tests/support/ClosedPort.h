// A loopback port on which nothing listens, for tests of a server that cannot be reached.
#pragma once

namespace selvane::test {

// A port of 127.0.0.1 that was free a moment ago: bound once, then let go.
int ClosedLoopbackPort();

}  // namespace selvane::test
