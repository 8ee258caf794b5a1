#pragma once
// How the statistic dialog asks for any number of objects: in runs of consecutive objects, one
// get each, each run small enough that its request and the reply to it, with every value at
// its longest, fit the engine's 512-byte message area. A run the agent still finds too big is
// halved.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct NmRequestRun {
    int first = 0; // the run's first object
    int count = 0;
};

// The longest encoding of a reply binding that names `oid` (dotted, instance included) and
// holds a value of `type`. Values of a length the type does not fix count 64 bytes.
std::size_t NmReplyBindingLength(const std::string& oid, std::uint8_t type);
// Consecutive runs of the objects (`oids` with their `types`) whose replies, sent in
// `community`, fit `limit` bytes at their longest; every object is in one run, and an object
// too long for any run makes a run of its own.
std::vector<NmRequestRun> NmSplitIntoRuns(const std::vector<std::string>& oids,
                                          const std::vector<std::uint8_t>& types,
                                          std::size_t communityLength, std::size_t limit = 512);
// `runs` with run `index` cut in two halves (a run of one stays).
std::vector<NmRequestRun> NmHalveRun(const std::vector<NmRequestRun>& runs, std::size_t index);
