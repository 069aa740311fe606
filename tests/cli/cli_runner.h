// Runs quilvane-cli as a child process and captures what it prints.
#pragma once

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qv::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string ShellQuote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// args are passed as they are, each quoted for the shell; environment, if given, is an env(1)
// prefix such as "env -u DISPLAY".
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& environment = {})
{
    static int counter = 0;
    auto dir = std::filesystem::temp_directory_path() /
               ("qv-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    std::string command = environment + " " + ShellQuote(QV_CLI_PATH);
    for (const std::string& a : args) command += " " + ShellQuote(a);
    command += " >" + ShellQuote((dir / "out").string()) + " 2>" + ShellQuote((dir / "err").string());
    int raw = std::system(command.c_str());
    CliResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(dir / "out"),
                     ReadWholeFile(dir / "err")};
    std::filesystem::remove_all(dir);
    return result;
}

// Starts quilvane-cli without waiting: stdout into outPath, stderr to the descriptor errFd.
inline pid_t SpawnCli(const std::vector<std::string>& args, const std::string& outPath, int errFd)
{
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&files, errFd, 2);
    std::vector<char*> argv{const_cast<char*>(QV_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t child = -1;
    if (posix_spawn(&child, QV_CLI_PATH, &files, nullptr, argv.data(), environ) != 0) child = -1;
    posix_spawn_file_actions_destroy(&files);
    return child;
}

// The exit status of a spawned child, or -1 when it did not exit normally.
inline int WaitForExit(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace qv::test
