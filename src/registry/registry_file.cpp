#include "registry/registry_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paginor::registry {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

RegistryResult io_failure(const std::string& path, const std::string& what, int err) {
    return {RegistryStatus::io_error, path, 0, what + ": " + std::strerror(err)};
}

// Creates every missing folder on the way to path's parent; errno is set on failure.
bool make_parents(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string dir = path.substr(0, slash);
        if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}

bool write_all(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string registry_path() {
    if (std::string explicit_path = env("PAGINOR_REGISTRY"); !explicit_path.empty()) {
        return explicit_path;
    }
    if (std::string data = env("XDG_DATA_HOME"); data.starts_with('/')) {
        return data + "/paginor/registry";
    }
    std::string home = env("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
            home = pw->pw_dir;
        }
    }
    return home.empty() ? std::string() : home + "/.local/share/paginor/registry";
}

RegistryResult load_registry(const std::string& path, Registry& out) {
    if (path.empty()) {
        return {RegistryStatus::io_error, path, 0, "no registry path could be found"};
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            out = Registry();
            return {};
        }
        return io_failure(path, "cannot open the registry", errno);
    }
    std::string text;
    char buffer[8192];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            int err = errno;
            ::close(fd);
            return io_failure(path, "cannot read the registry", err);
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out.parse(text, path);
}

RegistryResult save_registry(const std::string& path, const Registry& registry) {
    if (path.empty()) {
        return {RegistryStatus::io_error, path, 0, "no registry path could be found"};
    }
    if (!make_parents(path)) {
        return io_failure(path, "cannot create the registry's folder", errno);
    }
    std::string temp = path + ".tmp.XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return io_failure(path, "cannot create a temporary file beside the registry", errno);
    }
    std::string text = registry.format();
    bool written = ::fchmod(fd, 0644) == 0 && write_all(fd, text) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        err = errno;
    }
    if (written && ::rename(temp.c_str(), path.c_str()) == 0) {
        return {};
    }
    if (written) {
        err = errno;
    }
    ::unlink(temp.c_str());
    return io_failure(path, "cannot write the registry", err);
}

RegistryLock::RegistryLock(const std::string& path) {
    const std::string lock_path = path + ".lock";
    if (path.empty()) {
        m_result = {RegistryStatus::io_error, path, 0, "no registry path could be found"};
        return;
    }
    if (!make_parents(lock_path)) {
        m_result = io_failure(lock_path, "cannot create the registry's folder", errno);
        return;
    }
    m_fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        m_result = io_failure(lock_path, "cannot open the registry's lock file", errno);
        return;
    }
    int locked;
    while ((locked = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        m_result = io_failure(lock_path, "cannot lock the registry", errno);
        ::close(m_fd);
        m_fd = -1;
    }
}

RegistryLock::~RegistryLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing lets the lock go
    }
}

} // namespace paginor::registry
