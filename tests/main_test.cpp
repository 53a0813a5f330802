// The built program, run as a user runs it: its whole report, its arguments,
// and what it does when standard output cannot be written.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

enum class Stdout { Captured, Closed, DevFull, PipeWithoutReader };

struct ProgramRun {
  bool exited = false;  // false: ended by a signal
  int status = -1;      // exit status, or the signal number
  std::string out;
  std::string err;
};

std::string read_all(int fd) {
  std::string text;
  char chunk[4096];
  for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;) {
    text.append(chunk, static_cast<std::size_t>(n));
  }
  close(fd);
  return text;
}

ProgramRun run_program(const std::vector<std::string>& args, Stdout stdout_kind = Stdout::Captured) {
  int out_pipe[2];
  int err_pipe[2];
  if (pipe(out_pipe) != 0 || pipe(err_pipe) != 0) {
    ADD_FAILURE() << "pipe: " << std::strerror(errno);
    return {};
  }
  if (stdout_kind == Stdout::PipeWithoutReader) {
    close(out_pipe[0]);  // the reader has gone before the program writes
  }

  std::vector<char*> argv;
  std::string program = PROGRAM_PATH;
  argv.push_back(program.data());
  std::vector<std::string> arg_copies = args;
  for (std::string& arg : arg_copies) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    // The program is to meet a broken pipe with SIGPIPE at its default.
    signal(SIGPIPE, SIG_DFL);
    dup2(err_pipe[1], STDERR_FILENO);
    switch (stdout_kind) {
      case Stdout::Captured:
      case Stdout::PipeWithoutReader:
        dup2(out_pipe[1], STDOUT_FILENO);
        break;
      case Stdout::Closed:
        close(STDOUT_FILENO);
        break;
      case Stdout::DevFull: {
        const int full = open("/dev/full", O_WRONLY);
        dup2(full, STDOUT_FILENO);
        close(full);
        break;
      }
    }
    close(out_pipe[1]);
    close(err_pipe[0]);
    close(err_pipe[1]);
    if (stdout_kind != Stdout::PipeWithoutReader) {
      close(out_pipe[0]);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }

  close(out_pipe[1]);
  close(err_pipe[1]);
  ProgramRun run;
  if (stdout_kind != Stdout::PipeWithoutReader) {
    run.out = read_all(out_pipe[0]);
  }
  run.err = read_all(err_pipe[0]);
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  run.exited = WIFEXITED(wait_status);
  run.status = run.exited ? WEXITSTATUS(wait_status) : WTERMSIG(wait_status);
  return run;
}

std::string reference_report() {
  std::ifstream file(REFERENCE_REPORT_PATH, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ProgramTest, PrintsTheReferenceReportByteForByte) {
  const ProgramRun run = run_program({});
  ASSERT_TRUE(run.exited) << "ended by signal " << run.status;
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, reference_report());
  EXPECT_EQ(run.err, "");
}

class ArgumentsTest : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(ArgumentsTest, AreIgnored) {
  const ProgramRun run = run_program(GetParam());
  EXPECT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, reference_report());
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Lists, ArgumentsTest,
                         testing::Values(std::vector<std::string>{"1"}, std::vector<std::string>{"--help"},
                                         std::vector<std::string>{""},
                                         std::vector<std::string>{"a", "-x", "\xff\xfe", "2"}));

struct WriteFailure {
  const char* name;
  Stdout stdout_kind;
  int error;
};

class WriteFailureTest : public testing::TestWithParam<WriteFailure> {};

TEST_P(WriteFailureTest, ExitsOneWithTheCauseOnStandardError) {
  const ProgramRun run = run_program({}, GetParam().stdout_kind);
  ASSERT_TRUE(run.exited) << "ended by signal " << run.status;
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, std::string("line-impedance: error writing the report: ") +
                         std::strerror(GetParam().error) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, WriteFailureTest,
    testing::Values(WriteFailure{"closed", Stdout::Closed, EBADF},
                    WriteFailure{"dev_full", Stdout::DevFull, ENOSPC},
                    WriteFailure{"pipe_without_reader", Stdout::PipeWithoutReader, EPIPE}),
    [](const testing::TestParamInfo<WriteFailure>& info) { return info.param.name; });

}  // namespace
