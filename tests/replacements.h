#pragma once
// How often a file of a folder was replaced (renamed into its place), as
// the kernel tells it: the data file's writes, counted from outside.

#include <QFile>

#include <sys/inotify.h>
#include <unistd.h>

namespace zentak::test {

class Replacements {
public:
    explicit Replacements(const QString &folder) : fd_(inotify_init1(IN_NONBLOCK))
    {
        if (fd_ < 0 || inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_MOVED_TO) < 0)
            qFatal("the test cannot watch %s", qPrintable(folder));
    }
    ~Replacements() { ::close(fd_); }

    // The replacements of the file `name` since the last call.
    int of(const QByteArray &name)
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char *at = buffer; at < buffer + n; at += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(at)->len)
                count += name == reinterpret_cast<inotify_event *>(at)->name;
        return count;
    }

private:
    int fd_;
};

} // namespace zentak::test
