#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>

// What a finished program left: its standard output and error, and its exit status (or minus the
// signal that ended it).
struct Finished {
    std::string output;
    std::string errors;
    int status;
};

// Runs the program with the given standard input and waits for it to end.
Finished runProgram(const std::string& program, std::string_view input);
// The same for a shell command line, for runs under a limit or with a redirection.
Finished runShell(const std::string& command, std::string_view input);

// A program talked to over pipes, as a person or another program at its console would.
class Dialogue {
public:
    explicit Dialogue(const std::string& program);
    ~Dialogue();
    Dialogue(const Dialogue&) = delete;
    Dialogue& operator=(const Dialogue&) = delete;

    // Waits until the output so far ends with text; false when the program ends or stays silent first.
    bool awaitEnding(std::string_view text);
    void send(std::string_view text);
    // Closes the program's input and collects the rest.
    Finished finish();

    const std::string& output() const { return output_; }

private:
    pid_t pid_ = -1;
    int toProgram_ = -1;
    int fromProgram_ = -1;
    int errorsFromProgram_ = -1;
    std::string output_;
};
