#pragma once
// Makes the rename step of every atomic file replacement fail with EIO for one scope, as a
// real file system can at the last moment.

#include <cerrno>

#include "platform/core/atomicfile.h"

namespace tb::test {

class RenameFailure {
public:
    RenameFailure() : m_previous(SetRenameFunctionForTesting(&Fail)) {}
    ~RenameFailure() { SetRenameFunctionForTesting(m_previous); }
    RenameFailure(const RenameFailure&) = delete;
    RenameFailure& operator=(const RenameFailure&) = delete;

private:
    static int Fail(const char*, const char*) {
        errno = EIO;
        return -1;
    }
    RenameFunction m_previous;
};

} // namespace tb::test
