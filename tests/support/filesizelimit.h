#pragma once

#include <csignal>
#include <sys/resource.h>

// While alive, writes past `bytes` fail as on a full disk: the file size
// limit is lowered and the signal such a write raises is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &saved_) != 0) return;
        rlimit small = saved_;
        small.rlim_cur = bytes;
        ok = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        if (ok) setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool ok = false;

private:
    rlimit saved_{};
    void (*handler_)(int) = nullptr;
};
