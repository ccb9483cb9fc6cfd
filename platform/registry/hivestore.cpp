#include "platform/registry/hivestore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/atomicfile.h"
#include "platform/core/filedescriptor.h"
#include "platform/registry/hivefile.h"

namespace tb {

namespace {

std::string JoinPathForHive(int hive);

thread_local std::string t_strLastError;

// What identifies one version of a hive file: any rewrite gives a new inode or a new
// modification time, and a hand edit in place changes the time or the size.
struct FileStamp {
    bool bExists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};

    static FileStamp of(const struct stat& st) {
        FileStamp s;
        s.bExists = true;
        s.dev = st.st_dev;
        s.ino = st.st_ino;
        s.size = st.st_size;
        s.mtime = st.st_mtim;
        s.ctime = st.st_ctim;
        return s;
    }
    bool operator==(const FileStamp& o) const {
        return bExists == o.bExists && dev == o.dev && ino == o.ino && size == o.size &&
               mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec &&
               ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

struct HiveState {
    std::string strFile;
    std::unique_ptr<CRegNode> pRoot = std::make_unique<CRegNode>();
    FileStamp stamp;
    bool bLoaded = false;
    bool bBad = false;
    std::string strBadText;
};

std::mutex g_mutex;
HiveState g_hives[kHiveCount];

// The changes of one transaction: the hives it read under the file lock and those it
// changed. Only the thread that holds g_mutex for the transaction touches it.
struct Transaction {
    CFileDescriptor lockFd;
    bool bRead[kHiveCount] = {};
    bool bChanged[kHiveCount] = {};
    LONG nBrokenBy = ERROR_SUCCESS; // a call that failed half-way through its change
};
Transaction* g_pTransaction = nullptr;
thread_local bool t_bInTransaction = false;
std::set<std::string> g_reportedCorrupt; // file + mtime, so each bad version is told once

std::string ErrnoText() {
    return std::strerror(errno);
}

std::string MiB(size_t bytes) {
    return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

// The file's bytes, or "" when it cannot be read (only used to compare small copies).
std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.IsOpen())
        ReadAll(fd.Get(), bytes, kMaxHiveBytes + 1);
    return bytes;
}

// Copies a hive that failed to parse next to it, once per version of the file, so that the
// user's data is kept even if someone later deletes or replaces the damaged file. A copy with
// the same bytes (made by this or another process) counts as done.
void KeepCorruptCopy(HiveState& state, const std::string& bytes) {
    std::string version = std::to_string(state.stamp.ino) + "/" +
                          std::to_string(state.stamp.mtime.tv_sec) + "." +
                          std::to_string(state.stamp.mtime.tv_nsec) + "/" + state.strFile;
    if (!g_reportedCorrupt.insert(version).second)
        return;
    std::tm local{};
    time_t seconds = state.stamp.mtime.tv_sec;
    ::localtime_r(&seconds, &local);
    char when[32];
    std::strftime(when, sizeof when, "%Y%m%d-%H%M%S", &local);
    std::string base = state.strFile + ".corrupt-" + when;
    std::string copy;
    for (int attempt = 1; attempt <= 100; ++attempt) {
        std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        CFileDescriptor fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!fd.IsOpen()) {
            if (errno == EEXIST && ReadWholeFile(name) == bytes) {
                copy = name;
                break;
            }
            if (errno == EEXIST)
                continue;
            break;
        }
        bool ok = WriteAll(fd.Get(), bytes);
        ok = fd.Close() && ok;
        if (!ok) {
            ::unlink(name.c_str());
            break;
        }
        copy = name;
        break;
    }
    std::fprintf(stderr, "registry: %s (the file is left untouched%s%s)\n",
                 state.strBadText.c_str(), copy.empty() ? "" : "; a copy is kept as ",
                 copy.c_str());
}

// The hive as it is when its file does not exist: empty, and loaded.
LONG RefreshWithoutFile(HiveState& state) {
    if (!state.bLoaded || state.stamp.bExists || state.bBad) {
        state.pRoot = std::make_unique<CRegNode>();
        state.stamp = FileStamp();
        state.bBad = false;
        state.bLoaded = true;
    }
    return ERROR_SUCCESS;
}

// Parses the bytes of a new version of the file into the hive. A file that does not parse
// leaves an empty tree that is never written back, and a copy of the file.
LONG ParseNewVersion(int hive, HiveState& state, const FileStamp& stamp, const std::string& bytes) {
    auto root = std::make_unique<CRegNode>();
    int line = 0;
    std::string why;
    state.stamp = stamp;
    state.bLoaded = true;
    if (!ParseHive(bytes, HiveRootName(hive), *root, &line, &why)) {
        state.bBad = true;
        state.strBadText = state.strFile + ", line " + std::to_string(line) + ": " + why;
        state.pRoot = std::make_unique<CRegNode>();
        KeepCorruptCopy(state, bytes);
        SetRegistryError(state.strBadText);
        return ERROR_BADDB;
    }
    state.bBad = false;
    state.pRoot = std::move(root);
    return ERROR_SUCCESS;
}

// Brings the hive in line with its file. force re-reads even when the stamp looks unchanged
// (used under the write lock, where a missed change would lose another process's update).
LONG Refresh(int hive, bool force) {
    HiveState& state = g_hives[hive];
    const std::string file = JoinPathForHive(hive);
    if (file != state.strFile) {
        state = HiveState();
        state.strFile = file;
    }
    CFileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen() && errno == ENOENT)
        return RefreshWithoutFile(state);
    struct stat st {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &st) != 0) {
        state.bLoaded = false;
        SetRegistryError(file + ": cannot be read: " + ErrnoText());
        return ERROR_ACCESS_DENIED;
    }
    const FileStamp stamp = FileStamp::of(st);
    if (state.bLoaded && stamp == state.stamp && !(force && !state.bBad)) {
        if (state.bBad) {
            SetRegistryError(state.strBadText);
            return ERROR_BADDB;
        }
        return ERROR_SUCCESS;
    }
    if (!S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) > kMaxHiveBytes) {
        state.bLoaded = false;
        SetRegistryError(file + (S_ISREG(st.st_mode) ? ": larger than the " + MiB(kMaxHiveBytes) +
                                                           " a hive file may hold"
                                                     : ": not a regular file"));
        return ERROR_BADDB;
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    if (!ReadAll(fd.Get(), bytes, static_cast<size_t>(st.st_size))) {
        state.bLoaded = false;
        SetRegistryError(file + ": cannot be read: " + ErrnoText());
        return ERROR_ACCESS_DENIED;
    }
    return ParseNewVersion(hive, state, stamp, bytes);
}

LONG WriteFile(int hive) {
    HiveState& state = g_hives[hive];
    std::string text;
    // A hive the reader would refuse is never written: the change is dropped instead.
    if (!FormatHiveWithin(*state.pRoot, HiveRootName(hive), kMaxHiveBytes, &text)) {
        state.bLoaded = false;
        SetRegistryError(state.strFile +
                         ": the change was not made: the hive would grow past the " +
                         MiB(kMaxHiveBytes) + " a hive file may hold");
        return ERROR_CANTWRITE;
    }
    std::string why;
    if (!WriteFileAtomically(state.strFile, text, &why)) {
        state.bLoaded = false; // the tree may now differ from the file: read it again next time
        SetRegistryError(state.strFile + ": cannot be written: " + why);
        return ERROR_CANTWRITE;
    }
    struct stat st {};
    if (::stat(state.strFile.c_str(), &st) == 0)
        state.stamp = FileStamp::of(st);
    else
        state.bLoaded = false;
    return ERROR_SUCCESS;
}

} // namespace

const std::string& HiveRootName(int hive) {
    static const std::string kNames[kHiveCount] = {"HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE",
                                                   "HKEY_CURRENT_USER"};
    return kNames[hive];
}

namespace {
std::string JoinPathForHive(int hive) {
    return RegistryFolder() + "/" + HiveRootName(hive) + ".reg";
}
} // namespace

std::string RegistryFolder() {
    auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::string folder = env("TALLOWBY_REGISTRY_DIR");
    if (folder.empty()) {
        std::string config = env("XDG_CONFIG_HOME");
        if (config.empty() || config.front() != '/') {
            std::string home = env("HOME");
            if (home.empty()) {
                const passwd* pw = ::getpwuid(::getuid());
                home = pw && pw->pw_dir ? pw->pw_dir : "/tmp";
            }
            config = home + "/.config";
        }
        while (config.size() > 1 && config.back() == '/')
            config.pop_back();
        folder = config + "/tallowby/registry";
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

namespace {

// Takes the registry folder's advisory lock into *lockFd (closing it releases the lock).
LONG LockRegistryFolder(CFileDescriptor* lockFd) {
    std::string folder = RegistryFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    *lockFd = CFileDescriptor(
        ::open((folder + "/registry.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lockFd->IsOpen()) {
        SetRegistryError(folder + ": cannot create the registry lock file: " + ErrnoText());
        return ERROR_CANTWRITE;
    }
    while (::flock(lockFd->Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            SetRegistryError(folder + ": cannot lock the registry: " + ErrnoText());
            return ERROR_CANTWRITE;
        }
    }
    return ERROR_SUCCESS;
}

// Inside a transaction every hive is read from its file once, under the lock, and then kept
// as the transaction changes it.
LONG ReadForTransaction(int hive) {
    if (g_pTransaction->bRead[hive])
        return ERROR_SUCCESS;
    LONG result = Refresh(hive, true);
    if (result == ERROR_SUCCESS)
        g_pTransaction->bRead[hive] = true;
    return result;
}

// Ends a transaction: writes each changed hive once when result is a success, otherwise
// drops every change so that the next access reads the files again.
LONG FinishTransaction(Transaction& transaction, LONG result) {
    if (result == ERROR_SUCCESS)
        result = transaction.nBrokenBy;
    for (int hive = 0; hive < kHiveCount; ++hive) {
        if (!transaction.bChanged[hive])
            continue;
        if (result == ERROR_SUCCESS)
            result = WriteFile(hive);
        else
            g_hives[hive].bLoaded = false;
    }
    return result;
}

} // namespace

LONG RunRegistryTransaction(const std::function<LONG()>& fn) {
    if (t_bInTransaction)
        return fn(); // joins the transaction already running
    std::lock_guard<std::mutex> guard(g_mutex);
    Transaction transaction;
    if (LONG r = LockRegistryFolder(&transaction.lockFd); r != ERROR_SUCCESS)
        return r;
    g_pTransaction = &transaction;
    t_bInTransaction = true;
    LONG result = fn();
    t_bInTransaction = false;
    g_pTransaction = nullptr;
    return FinishTransaction(transaction, result);
}

LONG ReadHive(int hive, const std::function<LONG(const CRegNode& root)>& fn) {
    if (t_bInTransaction) {
        if (LONG r = ReadForTransaction(hive); r != ERROR_SUCCESS)
            return r;
        return fn(*g_hives[hive].pRoot);
    }
    std::lock_guard<std::mutex> guard(g_mutex);
    LONG result = Refresh(hive, false);
    if (result != ERROR_SUCCESS)
        return result;
    return fn(*g_hives[hive].pRoot);
}

LONG WriteHive(int hive, const std::function<LONG(CRegNode& root, bool* changed)>& fn) {
    if (t_bInTransaction) {
        if (LONG r = ReadForTransaction(hive); r != ERROR_SUCCESS)
            return r;
        bool changed = false;
        LONG result = fn(*g_hives[hive].pRoot, &changed);
        g_pTransaction->bChanged[hive] = g_pTransaction->bChanged[hive] || changed;
        if (result != ERROR_SUCCESS && changed && g_pTransaction->nBrokenBy == ERROR_SUCCESS)
            g_pTransaction->nBrokenBy = result;
        return result;
    }
    std::lock_guard<std::mutex> guard(g_mutex);
    CFileDescriptor lockFd;
    if (LONG r = LockRegistryFolder(&lockFd); r != ERROR_SUCCESS)
        return r;
    LONG result = Refresh(hive, true);
    if (result != ERROR_SUCCESS)
        return result;
    bool changed = false;
    result = fn(*g_hives[hive].pRoot, &changed);
    if (result != ERROR_SUCCESS && changed)
        g_hives[hive].bLoaded = false; // half a change: take the file's word again
    if (result != ERROR_SUCCESS || !changed)
        return result;
    return WriteFile(hive);
}

void SetRegistryError(std::string text) {
    t_strLastError = std::move(text);
}

const std::string& RegistryErrorText() {
    return t_strLastError;
}

} // namespace tb
