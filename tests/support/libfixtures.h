#pragma once
// A resource limit the tests of the core library share: under a file-size
// limit writes fail part-way the way they do on a full disk, and under an
// address-space ceiling a reservation for a hostile size fails.

#include <csignal>
#include <sys/resource.h>

namespace libfixtures {

// While alive, the soft limit of `resource` is `value`. A write past a
// file-size limit fails instead of killing the process (SIGXFSZ stays
// ignored afterwards), and unlike a read-only folder this holds for root too.
class Limit {
public:
    Limit(int resource, rlim_t value) : resource(resource) {
        std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(resource, &saved) != 0) return;
        rlimit lowered = saved;
        lowered.rlim_cur = value;
        active = setrlimit(resource, &lowered) == 0;
    }
    ~Limit() {
        if (active) setrlimit(resource, &saved);
    }
    bool ok() const { return active; }

private:
    int resource;
    rlimit saved{};
    bool active = false;
};

}  // namespace libfixtures
