// The previous-instance flag: whether another copy of the program already runs for this user.
#pragma once

#include <QString>

namespace desktop {

// The instance lock is a file in the user's runtime folder held with a kernel lock (flock). The
// kernel drops that lock when its holder ends, however it ends, so a file that nobody holds is no
// live instance, whatever it contains (nothing, garbage, another host's process): it is taken over.
class SingleInstance {
public:
    enum class State {
        Acquired,   // this start holds the lock
        HeldByLive, // another live process holds it
        Unusable,   // the lock can be neither taken nor checked; problem() says why
    };

    // key names the program; the lock lives in the user's runtime folder.
    explicit SingleInstance(const QString& key);
    // The same in the given folder (tests keep their own).
    SingleInstance(const QString& key, const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another live process holds the lock.
    bool PrevInstance() const { return m_state == State::HeldByLive; }
    State state() const { return m_state; }
    // Why the lock is unusable, in the engineer's words; empty otherwise.
    QString problem() const { return m_problem; }
    QString lockPath() const { return m_path; }

    // Gives the lock up at once, so that the next start comes up although this process may run on.
    void release();

private:
    void acquire();
    void fail(const QString& why);

    QString m_path;
    int m_fd = -1;
    State m_state = State::Unusable;
    QString m_problem;
};

} // namespace desktop
