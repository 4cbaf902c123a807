#pragma once

// A folder where writes fail as on a full disk: a tmpfs of its own where
// this process may mount one (root, as continuous integration runs), else
// the file size limit (RLIMIT_FSIZE), which makes any write past it fail
// with EFBIG, the kernel's own refusal.

#include <sys/mount.h>
#include <sys/resource.h>

#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <cstddef>

class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes) {
        const std::string options = "size=" + std::to_string(bytes);
        mounted_ =
            folder_.isValid() && ::mount("tmpfs", folder_.path().toLocal8Bit().constData(), "tmpfs",
                                         MS_NOSUID | MS_NODEV, options.c_str()) == 0;
    }
    ~SmallDisk() {
        unlimit();
        if (mounted_) {
            ::umount2(folder_.path().toLocal8Bit().constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    [[nodiscard]] QString path() const { return folder_.path(); }
    [[nodiscard]] QString filePath(const QString& name) const { return folder_.filePath(name); }
    [[nodiscard]] bool mounted() const { return mounted_; }

    // Fills what is left of the disk, or, without a disk of its own, lets
    // no file grow past `bytes` from now on.
    void fill(std::size_t bytes) {
        if (mounted_) {
            QFile filler(filePath(QStringLiteral("remplissage")));
            filler.open(QIODevice::WriteOnly);
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }

    void unlimit() {
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
            limited_ = false;
        }
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
};
