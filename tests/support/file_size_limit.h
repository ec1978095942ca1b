// Limits the size of the files this process writes, for tests of saves that cannot be written whole.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// Files of this process may grow to `bytes` only while it lives (as under `ulimit -f`), and going
// beyond is a write error instead of a fatal signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace testsupport
