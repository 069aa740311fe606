// Runs quilvane-cli as a child process and captures what it prints.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

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

// args are passed as they are, each quoted for the shell.
inline CliResult RunCli(const std::vector<std::string>& args)
{
    static int counter = 0;
    auto dir = std::filesystem::temp_directory_path() /
               ("qv-cli-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    std::string command = ShellQuote(QV_CLI_PATH);
    for (const std::string& a : args) command += " " + ShellQuote(a);
    command += " >" + ShellQuote((dir / "out").string()) + " 2>" + ShellQuote((dir / "err").string());
    int raw = std::system(command.c_str());
    CliResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(dir / "out"),
                     ReadWholeFile(dir / "err")};
    std::filesystem::remove_all(dir);
    return result;
}

}  // namespace qv::test
