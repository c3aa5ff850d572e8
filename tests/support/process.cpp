#include "process.hpp"

#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <vector>

namespace {

// Long enough for any healthy run on a loaded machine; only a stalled program reaches it.
constexpr int silenceLimitMilliseconds = 20000;

int memoryFile(std::string_view content) {
    const int fd = memfd_create("stream", 0);
    if (fd < 0) {
        throw std::runtime_error("memfd_create failed");
    }
    for (std::size_t done = 0; done < content.size();) {
        const ssize_t put = ::write(fd, content.data() + done, content.size() - done);
        if (put <= 0) {
            throw std::runtime_error("cannot fill a memory file");
        }
        done += static_cast<std::size_t>(put);
    }
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

std::string readAll(int fd) {
    ::lseek(fd, 0, SEEK_SET);
    std::string content;
    char buffer[1 << 16];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

pid_t spawn(const std::vector<std::string>& arguments, int input, int output, int errors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("cannot start " + arguments[0]);
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

Finished runArguments(const std::vector<std::string>& arguments, std::string_view input) {
    const int in = memoryFile(input);
    const int out = memoryFile("");
    const int err = memoryFile("");
    const int status = waitFor(spawn(arguments, in, out, err));
    Finished finished{readAll(out), readAll(err), status};
    ::close(in);
    ::close(out);
    ::close(err);
    return finished;
}

}  // namespace

Finished runProgram(const std::string& program, std::string_view input) {
    return runArguments({program}, input);
}

Finished runShell(const std::string& command, std::string_view input) {
    return runArguments({"/bin/sh", "-c", command}, input);
}

Dialogue::Dialogue(const std::string& program) {
    // The test writes into a pipe whose reader may already be gone.
    (void)std::signal(SIGPIPE, SIG_IGN);
    int toProgram[2];
    int fromProgram[2];
    if (::pipe(toProgram) != 0 || ::pipe(fromProgram) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const int errors = memoryFile("");
    pid_ = spawn({program}, toProgram[0], fromProgram[1], errors);
    ::close(toProgram[0]);
    ::close(fromProgram[1]);
    toProgram_ = toProgram[1];
    fromProgram_ = fromProgram[0];
    errorsFromProgram_ = errors;
}

Dialogue::~Dialogue() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        waitFor(pid_);
    }
    for (int fd : {toProgram_, fromProgram_, errorsFromProgram_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

bool Dialogue::awaitEnding(std::string_view text) {
    while (!std::string_view(output_).ends_with(text)) {
        pollfd ready{fromProgram_, POLLIN, 0};
        if (::poll(&ready, 1, silenceLimitMilliseconds) <= 0) {
            return false;
        }
        char buffer[4096];
        const ssize_t got = ::read(fromProgram_, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        output_.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

void Dialogue::send(std::string_view text) {
    if (::write(toProgram_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        throw std::runtime_error("cannot write to the program");
    }
}

Finished Dialogue::finish() {
    ::close(toProgram_);
    toProgram_ = -1;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fromProgram_, buffer, sizeof buffer)) > 0) {
        output_.append(buffer, static_cast<std::size_t>(got));
    }
    const int status = waitFor(pid_);
    pid_ = -1;
    return {output_, readAll(errorsFromProgram_), status};
}
