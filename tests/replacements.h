#pragma once
// How often a file of a folder was replaced (renamed into its place), as
// the kernel tells it: the data file's writes, counted from outside the
// program.

#include <QByteArray>
#include <QFile>
#include <QString>

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
    Replacements(const Replacements &) = delete;
    Replacements &operator=(const Replacements &) = delete;

    // The replacements of the file `name` since the last call.
    int of(const QByteArray &name)
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                count += event->len > 0 && name == event->name;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    }

private:
    int fd_;
};

} // namespace zentak::test
