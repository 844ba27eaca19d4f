#include "procstats.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace zentak::bench {

double statusKiB(pid_t pid, const char *key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::atof(line.c_str() + std::strlen(key));
    return -1;
}

double cpuMilliseconds(pid_t pid)
{
    double ns = 0;
    std::error_code ec;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

bool anyThreadBusy(pid_t pid)
{
    std::error_code ec;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream in(task.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        // The state follows the command name, which is in parentheses.
        const auto close = stat.rfind(')');
        if (close != std::string::npos && close + 2 < stat.size()
            && (stat[close + 2] == 'R' || stat[close + 2] == 'D'))
            return true;
    }
    return false;
}

int sharedLibraries(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(in, line)) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            files.insert(line.substr(slash));
    }
    return int(files.size());
}

} // namespace zentak::bench
