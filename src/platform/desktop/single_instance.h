// The previous-instance flag: whether another copy of the program already runs for this user.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace desktop {

class SingleInstance {
public:
    // key names the program; the lock lives in the user's runtime folder.
    explicit SingleInstance(const QString& key);
    ~SingleInstance();

    // True when another live process holds the lock. A lock left by a crashed run is taken over.
    bool PrevInstance() const { return m_previous; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_previous = false;
};

} // namespace desktop
