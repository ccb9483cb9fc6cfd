#include "platform/core/paths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace tb {

size_t LastSeparator(std::string_view path) {
    return path.find_last_of("/\\");
}

std::string FileNamePart(std::string_view path) {
    return std::string(FileNameView(path));
}

std::string_view FileNameView(std::string_view path) {
    size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view FileTitleView(std::string_view path) {
    const std::string_view name = FileNameView(path);
    return name.substr(0, name.rfind('.'));
}

std::string_view ExtensionView(std::string_view path) {
    const std::string_view name = FileNameView(path);
    const size_t nDot = name.rfind('.');
    return nDot == std::string_view::npos ? std::string_view() : name.substr(nDot);
}

std::string FolderPart(std::string_view path) {
    size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::string FolderWithoutSeparator(std::string_view path) {
    size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/' && joined.back() != '\\')
        joined += '/';
    while (!name.empty() && (name.front() == '/' || name.front() == '\\') && !joined.empty())
        name.remove_prefix(1);
    joined += name;
    return joined;
}

std::string ToNativeSeparators(std::string_view path) {
    std::string native(path);
    for (char& c : native)
        if (c == '\\')
            c = '/';
    return native;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ResolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
}

std::string WhyNotAFile(const std::string& path) {
    struct stat st {};
    if (path.empty())
        return "no file name";
    if (::stat(path.c_str(), &st) != 0)
        return std::strerror(errno);
    if (S_ISREG(st.st_mode))
        return std::string();
    if (S_ISDIR(st.st_mode))
        return "is a directory";
    if (S_ISFIFO(st.st_mode))
        return "is a named pipe";
    if (S_ISSOCK(st.st_mode))
        return "is a socket";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "is a device";
    return "is not a regular file";
}

} // namespace tb
