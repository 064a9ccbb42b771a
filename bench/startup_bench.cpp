// Times whole processes side by side: one run of each command in turn, round
// after round, so that a busy moment of the machine falls on all of them
// alike. Prints the median, the fastest and the slowest run of each, and the
// ratio of each median to the first command's.
//
//   startup_bench [--at-most RATIO] ROUNDS COMMAND [ARG]... [-- COMMAND [ARG]...]...
//
// With --at-most it also tells whether the second command's ratio meets that
// target.
//
// Commands run without a shell, their output thrown away; any run that
// fails ends the benchmark.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Command {
    std::vector<char *> argv; // ends with nullptr
    std::vector<double> ms;
};

// One run of the command with its output going to /dev/null; milliseconds
// from the start to the end of the process, or -1 when it did not succeed.
double Run(Command &command)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, command.argv[0], &actions, nullptr, command.argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    double atMost = 0;
    if (argc > 2 && std::strcmp(argv[1], "--at-most") == 0) {
        atMost = std::atof(argv[2]);
        first = 3;
    }
    const int rounds = argc > first ? std::atoi(argv[first]) : 0;
    if (rounds < 1 || argc < first + 2) {
        std::fprintf(stderr,
                     "usage: startup_bench [--at-most RATIO] ROUNDS COMMAND [ARG]... [-- COMMAND [ARG]...]...\n");
        return 2;
    }
    std::vector<Command> commands(1);
    for (int i = first + 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            commands.emplace_back();
        else
            commands.back().argv.push_back(argv[i]);
    }
    for (Command &command : commands) {
        if (command.argv.empty()) {
            std::fprintf(stderr, "startup_bench: an empty command\n");
            return 2;
        }
        command.argv.push_back(nullptr);
    }

    // One round first, not counted: it brings the files into the page cache.
    for (int round = 0; round <= rounds; ++round) {
        for (Command &command : commands) {
            const double ms = Run(command);
            if (ms < 0) {
                std::fprintf(stderr, "startup_bench: %s did not succeed\n", command.argv[0]);
                return 1;
            }
            if (round > 0)
                command.ms.push_back(ms);
        }
    }

    const double floor = Median(commands.front().ms);
    std::printf("%d interleaved rounds\n", rounds);
    for (const Command &command : commands) {
        std::string line;
        for (char *const *arg = command.argv.data(); *arg; ++arg)
            line += (line.empty() ? "" : " ") + std::string(*arg);
        const double median = Median(command.ms);
        std::printf("%8.2f ms median (%.2f to %.2f)  %5.2fx  %s\n", median,
                    *std::min_element(command.ms.begin(), command.ms.end()),
                    *std::max_element(command.ms.begin(), command.ms.end()), median / floor, line.c_str());
    }
    if (atMost > 0 && commands.size() > 1) {
        const double ratio = Median(commands[1].ms) / floor;
        std::printf("target: the second at most %.2fx the first: %s (%.2fx)\n", atMost,
                    ratio <= atMost ? "met" : "NOT met", ratio);
    }
    return 0;
}
