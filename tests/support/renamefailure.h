#pragma once
// Hooks on the rename step of every atomic file replacement, each rename being one file
// written: RenameFailure makes every rename fail with EIO for one scope, as a real file system
// can at the last moment; RenameCounter counts them and makes the first few fail with ENOSPC,
// as a full disk would.

#include <cerrno>
#include <cstdio>

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

class RenameCounter {
public:
    explicit RenameCounter(int nFailFirst = 0) : m_previous(SetRenameFunctionForTesting(&Count)) {
        s_nRenames = 0;
        s_nFailFirst = nFailFirst;
    }
    ~RenameCounter() { SetRenameFunctionForTesting(m_previous); }
    RenameCounter(const RenameCounter&) = delete;
    RenameCounter& operator=(const RenameCounter&) = delete;

    // Renames attempted since the scope began, failed ones included.
    int Renames() const { return s_nRenames; }

private:
    static int Count(const char* from, const char* to) {
        if (++s_nRenames <= s_nFailFirst) {
            errno = ENOSPC;
            return -1;
        }
        return std::rename(from, to);
    }
    static inline int s_nRenames = 0;
    static inline int s_nFailFirst = 0;
    RenameFunction m_previous;
};

} // namespace tb::test
